#include "core/phoneexport.h"

#include "core/glyphmuxini.h"
#include "core/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

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

void closeSourceFile(int fd)
{
#ifdef Q_OS_WIN
    ::_close(fd);
#else
    ::close(fd);
#endif
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
    if (fd >= 0)
        closeSourceFile(fd);
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
        QStringList names;
        for (std::size_t slot = 0; slot < SlotCount; ++slot) {
            const QString &path = m_request.fontFiles[slot];
            if (path.isEmpty()) {
                const QString &face = m_request.map.slotValues[slot].face;
                if (!face.isEmpty())
                    m_plan.findings.push_back({ExportProblem::FaceWithoutFile, {}, face, int(slot)});
                continue;
            }
            const QString id = identity(path);
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
    // or blocked by something that is not what the layout needs there.
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
        QHash<QString, bool> reported;
        for (ExportItem &item : m_plan.items) {
            const QStringList parts = item.relativePath.split(QLatin1Char('/'));
            QString path = m_request.targetFolder;
            for (int i = 0; i < parts.size(); ++i) {
                path = QDir(path).filePath(parts[i]);
                const QFileInfo info(path);
                if (!info.exists() && !info.isSymLink())
                    break;
                const bool last = i == parts.size() - 1;
                if (last ? info.isFile() : info.isDir()) {
                    item.replaces = last;
                    continue;
                }
                if (!reported.contains(path))
                    m_plan.findings.push_back({ExportProblem::TargetBlocked, path});
                reported.insert(path, true);
                break;
            }
            if (item.replaces)
                m_plan.findings.push_back({ExportProblem::TargetExists, QDir(m_request.targetFolder).filePath(item.relativePath)});
        }
    }

private:
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

    const ExportRequest &m_request;
    ExportPlan &m_plan;
};

QByteArray copyListBytes(const CopyListWords &words, const QStringList &paths, const QStringList &missing,
                         const ExportRequest &request)
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
                     copyListBytes(words, phoneCopyPaths(request.family, fontNames), missing, request));
    planner.checkTarget();
    for (const ExportItem &item : plan.items)
        plan.totalBytes += item.size;
    return plan;
}
