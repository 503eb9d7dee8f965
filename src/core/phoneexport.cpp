#include "core/phoneexport.h"

#include "core/confinedfolder.h"
#include "core/exportwriter.h"
#include "core/glyphmuxini.h"
#include "core/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <map>

#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

bool stopsExport(ExportProblem problem)
{
    switch (problem) {
    case ExportProblem::NoTarget:
    case ExportProblem::SameFileName:
    case ExportProblem::SourceMissing:
    case ExportProblem::SourceNotRegular:
    case ExportProblem::SourceUnreadable:
    case ExportProblem::TargetBlocked:
    case ExportProblem::TargetNotPlain:
    case ExportProblem::TargetCaseClash:
        return true;
    default:
        return false;
    }
}

bool ExportPlan::blocked() const
{
    for (const ExportIssue &finding : findings)
        if (stopsExport(finding.problem))
            return true;
    return false;
}

bool ExportPlan::replacesFiles() const
{
    for (const ExportItem &item : items)
        if (item.replaces)
            return true;
    return false;
}

int openSourceFile(const QString &path, ExportIssue &problem)
{
    const RegularFile opened = openRegularFile(path);
    switch (opened.failure) {
    case RegularFile::Failure::None:
        return opened.fd;
    case RegularFile::Failure::NotRegular:
        problem = {ExportProblem::SourceNotRegular, path};
        return -1;
    case RegularFile::Failure::CannotOpen:
        break;
    }
    const bool gone = opened.error == ENOENT || opened.error == ENOTDIR;
    problem = {gone ? ExportProblem::SourceMissing : ExportProblem::SourceUnreadable, path, {}, -1, opened.error};
    return -1;
}

QString copyListFileName()
{
    return QStringLiteral("COPY-TO-PHONE.txt");
}

namespace {

ExportIssue checkSource(const QString &path)
{
    ExportIssue problem;
    const int fd = openSourceFile(path, problem);
    closeFile(fd);
    return problem;
}

// The same file reached by two paths is one file.
QString identity(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : canonical;
}

// The phone's file system ignores case, so names are compared that way.
QString phoneName(const QString &name)
{
    return name.toCaseFolded();
}

// A name in 'folder' equal to 'name' but for case; empty when none.
QString findIgnoringCase(const QString &folder, const QString &name)
{
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden);
    for (const QString &entry : entries)
        if (phoneName(entry) == phoneName(name))
            return QDir(folder).filePath(entry);
    return {};
}

class Planner
{
public:
    Planner(const ExportRequest &request, ExportPlan &plan) : m_request(request), m_plan(plan) {}

    QStringList addFonts()
    {
        QHash<QString, QString> fileByName; // phone name -> identity
        fileByName.insert(phoneName(QFileInfo(PhoneFolders::configuration()).fileName()), QString());
        QHash<QString, bool> seen;
        QHash<QString, QString> fileByFace; // the phone finds a face by its name alone
        QStringList names;
        for (std::size_t slot = 0; slot < SlotCount; ++slot) {
            const QString &path = m_request.fontFiles[slot];
            const QString &face = m_request.map.slotValues[slot].face;
            if (path.isEmpty()) {
                if (!face.isEmpty())
                    m_plan.findings.push_back({ExportProblem::FaceWithoutFile, {}, face, int(slot)});
                continue;
            }
            noteUse(slot, path);
            const QString id = identity(path);
            const QString otherFile = fileByFace.value(face);
            if (!otherFile.isEmpty() && identity(otherFile) != id)
                m_plan.findings.push_back({ExportProblem::SameFaceName, otherFile, face, int(slot)});
            else if (otherFile.isEmpty())
                fileByFace.insert(face, path);
            if (seen.contains(id))
                continue;
            seen.insert(id, true);
            const QString name = QFileInfo(path).fileName();
            const auto taken = fileByName.constFind(phoneName(name));
            if (taken != fileByName.constEnd()) {
                const QString other = taken->isEmpty() ? PhoneFolders::configuration() : *taken;
                m_plan.findings.push_back({ExportProblem::SameFileName, other, path});
                continue;
            }
            fileByName.insert(phoneName(name), path);
            if (addCopy(path, PhoneFolders::fonts() + QLatin1Char('/') + name))
                names << name;
        }
        return names;
    }

    // The libraries the user gave; the phone paths of those still to copy.
    QStringList addLibraries()
    {
        QStringList missing;
        for (const QString &library : engineLibraries(m_request.family)) {
            const QString relative = PhoneFolders::libraries() + QLatin1Char('/') + library;
            QString source;
            if (!m_request.engineFolder.isEmpty())
                source = findIgnoringCase(m_request.engineFolder, library);
            if (source.isEmpty()) {
                const QString lookedFor =
                    m_request.engineFolder.isEmpty() ? QString() : QDir(m_request.engineFolder).filePath(library);
                m_plan.findings.push_back({ExportProblem::EngineFileMissing, lookedFor, library});
                missing << phonePath(relative);
                continue;
            }
            addCopy(source, relative);
        }
        return missing;
    }

    void addBytes(const QString &relativePath, const QByteArray &bytes)
    {
        ExportItem item;
        item.relativePath = relativePath;
        item.bytes = bytes;
        item.size = bytes.size();
        m_plan.items.push_back(item);
    }

    // Each item's place in the target: free, an existing file to replace,
    // or blocked by something that is not what the layout needs there. The
    // tree is walked as the writer walks it, never through a link.
    void checkTarget()
    {
        const QFileInfo target(m_request.targetFolder);
        if (m_request.targetFolder.isEmpty()) {
            m_plan.findings.push_back({ExportProblem::NoTarget, {}});
            return;
        }
        if (target.exists() && !target.isDir()) {
            m_plan.findings.push_back({ExportProblem::TargetBlocked, m_request.targetFolder});
            return;
        }
        int error = 0;
        m_folders[QString()] = openNamedFolder(m_request.targetFolder, error);
        if (!m_folders[QString()].isOpen())
            return; // made by the export, or its failure told then
        if (hasExportLeftovers(m_request.targetFolder))
            m_plan.findings.push_back({ExportProblem::LeftoversFound, m_request.targetFolder});
        for (ExportItem &item : m_plan.items) {
            const QStringList parts = item.relativePath.split(QLatin1Char('/'));
            QString folder;
            for (int i = 0; i < parts.size(); ++i) {
                const bool last = i == parts.size() - 1;
                const int fd = m_folders[folder].fd();
                if (fd < 0)
                    break; // could not be opened: the writer says why
                const QString relative = folder.isEmpty() ? parts[i] : folder + QLatin1Char('/') + parts[i];
                const QByteArray name = QFile::encodeName(parts[i]);
                const QByteArray clash = caseClash(folder, name);
                if (!clash.isEmpty()) {
                    const QString clashing = (folder.isEmpty() ? QString() : folder + QLatin1Char('/')) + QFile::decodeName(clash);
                    report({ExportProblem::TargetCaseClash, inTarget(clashing), inTarget(relative)});
                    break;
                }
                const EntryKind kind = entryKind(fd, name);
                if (kind == EntryKind::Missing)
                    break;
                if (kind == EntryKind::Other) {
                    report({ExportProblem::TargetNotPlain, inTarget(relative)});
                    break;
                }
                if (last ? kind != EntryKind::Regular : kind != EntryKind::Folder) {
                    report({ExportProblem::TargetBlocked, inTarget(relative)});
                    break;
                }
                if (last) {
                    item.replaces = true;
                    m_plan.findings.push_back({ExportProblem::TargetExists, inTarget(relative)});
                } else if (!m_folders.count(relative)) {
                    m_folders[relative] = openSubfolder(fd, name, error);
                }
                folder = relative;
            }
        }
    }

private:
    // Exported all the same, with a word about it.
    void noteUse(std::size_t slot, const QString &path)
    {
        const FontUseNote &note = m_request.fontNotes[slot];
        if (note.postScriptOutlines)
            m_plan.findings.push_back({ExportProblem::PostScriptOutlines, path, {}, int(slot)});
        if (!note.missing.isEmpty())
            m_plan.findings.push_back({ExportProblem::MissingCharacters, path, note.missing, int(slot)});
    }

    bool addCopy(const QString &source, const QString &relativePath)
    {
        const ExportIssue problem = checkSource(source);
        if (problem.problem != ExportProblem::None) {
            m_plan.findings.push_back(problem);
            return false;
        }
        ExportItem item;
        item.relativePath = relativePath;
        item.sourcePath = source;
        item.size = QFileInfo(source).size();
        m_plan.items.push_back(item);
        return true;
    }

    QString inTarget(const QString &relativePath) const { return QDir(m_request.targetFolder).filePath(relativePath); }

    void report(const ExportIssue &finding)
    {
        for (const ExportIssue &known : m_plan.findings)
            if (known.problem == finding.problem && known.path == finding.path)
                return;
        m_plan.findings.push_back(finding);
    }

    // An entry of the folder that the phone would take for 'name': the same
    // letters in another case, and not just another spelling of one file.
    QByteArray caseClash(const QString &folder, const QByteArray &name)
    {
        auto listed = m_entries.find(folder);
        if (listed == m_entries.end())
            listed = m_entries.emplace(folder, folderEntries(m_folders[folder].fd())).first;
        const QString wanted = phoneName(QFile::decodeName(name));
        for (const QByteArray &entry : listed->second)
            if (entry != name && phoneName(QFile::decodeName(entry)) == wanted
                && !sameEntry(m_folders[folder].fd(), entry, name))
                return entry;
        return {};
    }

    const ExportRequest &m_request;
    ExportPlan &m_plan;
    std::map<QString, FolderFd> m_folders;          // relative path -> open folder
    std::map<QString, QList<QByteArray>> m_entries; // relative path -> its names
};

QByteArray copyListBytes(const CopyListWords &words, const QStringList &paths, const QStringList &missing,
                         const ExportRequest &request, const std::vector<ExportIssue> &findings)
{
    QStringList lines;
    lines << words.heading << paths;
    if (!missing.isEmpty())
        lines << QString() << words.notIncluded << missing;
    QStringList typed;
    for (std::size_t slot = 0; slot < SlotCount; ++slot) {
        const QString &face = request.map.slotValues[slot].face;
        if (request.fontFiles[slot].isEmpty() && !face.isEmpty())
            typed << QLatin1String(slotTable()[slot].key) + QStringLiteral(": ") + face;
    }
    if (!typed.isEmpty())
        lines << QString() << words.alreadyOnPhone << typed;
    QStringList unusable;
    for (const ExportIssue &finding : findings)
        if ((finding.problem == ExportProblem::PostScriptOutlines || finding.problem == ExportProblem::MissingCharacters)
            && words.describe)
            unusable << words.describe(finding);
    if (!unusable.isEmpty())
        lines << QString() << words.mayNotUse << unusable;
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

} // namespace

ExportPlan planExport(const ExportRequest &request, const CopyListWords &words)
{
    ExportPlan plan;
    plan.targetFolder = request.targetFolder;
    Planner planner(request, plan);
    const QStringList fontNames = planner.addFonts();
    const QStringList missing = planner.addLibraries();
    planner.addBytes(PhoneFolders::configuration(), glyphmuxIniBytes(request.map));
    planner.addBytes(copyListFileName(),
                     copyListBytes(words, phoneCopyPaths(request.family, fontNames), missing, request, plan.findings));
    planner.checkTarget();
    for (const ExportItem &item : plan.items)
        plan.totalBytes += item.size;
    return plan;
}
