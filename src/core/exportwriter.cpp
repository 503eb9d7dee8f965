#include "core/exportwriter.h"

#include "core/confinedfolder.h"
#include "core/filereplace.h"
#include "core/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <map>

namespace {

constexpr qint64 chunkSize = 1 << 20;
constexpr int maxNumberedNames = 1000;
constexpr qint64 journalLimit = 64 * 1024;

// Names of ours in the tree: short whatever the file's own name, so that a
// name that fits the file system always has room for them.
const QByteArray partPrefix = QByteArrayLiteral(".glyphmux-part-");
const QByteArray asidePrefix = QByteArrayLiteral(".glyphmux-old-");
// In the target folder: one record per set-aside original, made durable
// before the original is renamed, so that a killed export can be undone.
// Record: folder (relative), set-aside name, original name, each ending in NUL.
const QByteArray journalName = QByteArrayLiteral(".glyphmux-export-journal");
// What exports before the short names left: ".<name>.glyphmux-part" and
// ".<name>.glyphmux-old<n>".
const QRegularExpression legacyPart(QStringLiteral("^\\..+\\.glyphmux-part$"));
const QRegularExpression legacyAside(QStringLiteral("^\\.(.+)\\.glyphmux-old\\d*$"));

QByteArray encoded(const QString &name)
{
    return QFile::encodeName(name);
}

QString joined(const QString &folder, const QString &name)
{
    return folder.isEmpty() ? name : folder + QLatin1Char('/') + name;
}

// The folders of the phone's tree, each after its parent; "" is the target.
QStringList treeFolders()
{
    QStringList folders{QString()};
    for (const QString &folder : {PhoneFolders::fonts(), PhoneFolders::libraries()}) {
        QString path;
        for (const QString &part : folder.split(QLatin1Char('/'))) {
            path = joined(path, part);
            if (!folders.contains(path))
                folders << path;
        }
    }
    return folders;
}

bool isPlainName(const QByteArray &name)
{
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/');
}

// Creates "<prefix><n>" for the first free n; the descriptor, or -1.
int createNumbered(int folder, const QByteArray &prefix, QByteArray &name)
{
    for (int n = 1; n <= maxNumberedNames; ++n) {
        name = prefix + QByteArray::number(n);
        const int fd = createNewFile(folder, name);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

struct SetAside {
    QString folder; // relative to the target
    QByteArray aside;
    QByteArray original;
};

// Finds, and with 'apply' undoes, what an interrupted export left.
ExportRecovery recover(const QString &targetFolder, bool apply, bool *journalFound = nullptr)
{
    ExportRecovery result;
    int error = 0;
    const FolderFd root = openNamedFolder(targetFolder, error);
    if (!root.isOpen())
        return result;
    const QStringList folderNames = treeFolders();
    std::map<QString, FolderFd> folders;
    for (const QString &folder : folderNames) {
        if (folder.isEmpty())
            continue;
        const int cut = folder.lastIndexOf(QLatin1Char('/'));
        const QString parent = cut < 0 ? QString() : folder.left(cut);
        const int parentFd = parent.isEmpty() ? root.fd() : (folders.count(parent) ? folders[parent].fd() : -1);
        if (parentFd >= 0) {
            FolderFd opened = openSubfolder(parentFd, encoded(folder.mid(cut + 1)), error);
            if (opened.isOpen())
                folders[folder] = std::move(opened);
        }
    }
    const auto fdOf = [&](const QString &folder) {
        return folder.isEmpty() ? root.fd() : (folders.count(folder) ? folders[folder].fd() : -1);
    };

    std::vector<SetAside> asides;
    QByteArray journal;
    const bool hasJournal = readSmallFile(root.fd(), journalName, journalLimit, journal);
    if (journalFound)
        *journalFound = hasJournal;
    const QList<QByteArray> fields = journal.split('\0');
    for (qsizetype i = 0; i + 2 < fields.size(); i += 3) {
        const QString folder = QFile::decodeName(fields[i]);
        if (folderNames.contains(folder) && fields[i + 1].startsWith(asidePrefix) && isPlainName(fields[i + 1])
            && isPlainName(fields[i + 2]))
            asides.push_back({folder, fields[i + 1], fields[i + 2]});
    }
    for (const QString &folder : folderNames) {
        const int fd = fdOf(folder);
        if (fd < 0)
            continue;
        for (const QByteArray &entry : folderEntries(fd)) {
            const QString name = QFile::decodeName(entry);
            const bool part = entry.startsWith(partPrefix) || legacyPart.match(name).hasMatch();
            const QRegularExpressionMatch legacy = legacyAside.match(name);
            if ((!part && !legacy.hasMatch()) || entryKind(fd, entry) != EntryKind::Regular)
                continue;
            if (legacy.hasMatch()) {
                asides.push_back({folder, entry, encoded(legacy.captured(1))});
            } else {
                ++result.removed;
                if (apply)
                    removeFileEntry(fd, entry);
            }
        }
    }
    for (const SetAside &set : asides) {
        const int fd = fdOf(set.folder);
        if (fd < 0 || entryKind(fd, set.aside) != EntryKind::Regular)
            continue;
        if (entryKind(fd, set.original) == EntryKind::Missing) {
            if (!apply || renameWithoutReplacing(fd, set.aside, fd, set.original))
                result.restored << joined(set.folder, QFile::decodeName(set.original));
        } else {
            ++result.removed;
            if (apply)
                removeFileEntry(fd, set.aside);
        }
    }
    if (apply && (hasJournal || !result.isEmpty())) {
        for (const auto &[name, folder] : folders)
            syncToDisk(folder.fd());
        if (hasJournal)
            removeFileEntry(root.fd(), journalName);
        syncToDisk(root.fd());
    }
    return result;
}

class Writer
{
public:
    Writer(const ExportPlan &plan, bool replaceExisting, const ExportProgress &progress)
        : m_plan(plan), m_replace(replaceExisting), m_progress(progress)
    {
    }

    ~Writer()
    {
        if (m_journal >= 0)
            closeDescriptor(m_journal);
    }

    ExportOutcome run()
    {
        ExportOutcome outcome;
        std::size_t next = 0;
        if (openTarget() && reportProgress()) {
            for (; next < m_plan.items.size(); ++next)
                if (!writeItem(m_plan.items[next]))
                    break;
        }
        if (m_failure.problem != ExportProblem::None) {
            outcome.notRestored = rollBack();
            next = 0;
        } else {
            finish();
            for (const Written &done : m_written)
                outcome.written << done.relativePath;
        }
        for (std::size_t i = next; i < m_plan.items.size(); ++i)
            outcome.notWritten << m_plan.items[i].relativePath;
        outcome.failure = m_failure;
        return outcome;
    }

private:
    struct Written {
        QString relativePath;
        QString folder; // relative to the target
        QByteArray name;
        QByteArray aside; // the replaced file, kept until the export ends
    };

    bool fail(ExportProblem problem, const QString &path, int systemError)
    {
        m_failure = {problem, path, {}, -1, systemError};
        return false;
    }

    QString inTarget(const QString &relativePath) const { return QDir(m_plan.targetFolder).filePath(relativePath); }

    bool reportProgress()
    {
        if (m_progress && !m_progress(m_done, m_plan.totalBytes))
            return fail(ExportProblem::Cancelled, {}, 0);
        return true;
    }

    // Makes the target and its missing parents as the user named them (links
    // there are the user's), then works only from its descriptor.
    bool openTarget()
    {
        const auto exists = [](const QString &path) {
            const QFileInfo info(path);
            return info.exists() || info.isSymLink();
        };
        QStringList missing;
        for (QString path = QDir::cleanPath(m_plan.targetFolder); !exists(path); path = QFileInfo(path).path())
            missing.prepend(path);
        for (const QString &path : missing) {
            errno = 0;
            if (!QDir().mkdir(path))
                return fail(ExportProblem::CreateFolderFailed, path, errno);
            m_createdTargets << path;
        }
        int error = 0;
        m_folders[QString()] = openNamedFolder(m_plan.targetFolder, error);
        if (!m_folders[QString()].isOpen())
            return fail(ExportProblem::CreateFolderFailed, m_plan.targetFolder, error);
        return true;
    }

    // The folder of the tree, made if missing; -1 when it is not a plain
    // folder of the target (a link to elsewhere included).
    int folderFd(const QString &relative)
    {
        const auto known = m_folders.find(relative);
        if (known != m_folders.end())
            return known->second.fd();
        const int cut = relative.lastIndexOf(QLatin1Char('/'));
        const int parent = folderFd(cut < 0 ? QString() : relative.left(cut));
        if (parent < 0)
            return -1;
        const QByteArray name = encoded(relative.mid(cut + 1));
        const QString path = inTarget(relative);
        EntryKind kind = entryKind(parent, name);
        if (kind == EntryKind::Missing) {
            if (makeSubfolder(parent, name))
                m_createdFolders << relative;
            else if (errno != EEXIST)
                return fail(ExportProblem::CreateFolderFailed, path, errno), -1;
            kind = entryKind(parent, name);
        }
        if (kind != EntryKind::Folder)
            return fail(kind == EntryKind::Regular ? ExportProblem::TargetBlocked : ExportProblem::TargetNotPlain, path, 0), -1;
        int error = 0;
        FolderFd opened = openSubfolder(parent, name, error);
        if (!opened.isOpen())
            return fail(error == ELOOP || error == ENOTDIR ? ExportProblem::TargetNotPlain : ExportProblem::CreateFolderFailed,
                        path, error), -1;
        return (m_folders[relative] = std::move(opened)).fd();
    }

    bool copyInto(QFile &out, const ExportItem &item)
    {
        const int fd = openSourceFile(item.sourcePath, m_failure);
        if (fd < 0)
            return false;
        QFile source;
        if (!source.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            closeFile(fd);
            return fail(ExportProblem::SourceUnreadable, item.sourcePath, 0);
        }
        QByteArray chunk(chunkSize, Qt::Uninitialized);
        for (;;) {
            errno = 0;
            const qint64 n = source.read(chunk.data(), chunk.size());
            if (n < 0)
                return fail(ExportProblem::SourceUnreadable, item.sourcePath, errno);
            if (n == 0)
                return true;
            if (!writeAll(out, chunk.constData(), n))
                return false;
        }
    }

    bool writeAll(QFile &out, const char *data, qint64 size)
    {
        for (qint64 written = 0; written < size;) {
            errno = 0;
            const qint64 n = out.write(data + written, size - written);
            if (n <= 0)
                return fail(ExportProblem::WriteFailed, m_current, errno);
            written += n;
            m_done += n;
        }
        return reportProgress();
    }

    bool writeContent(QFile &out, const ExportItem &item)
    {
        if (!item.sourcePath.isEmpty())
            return copyInto(out, item);
        for (qint64 at = 0; at < item.bytes.size(); at += chunkSize)
            if (!writeAll(out, item.bytes.constData() + at, qMin(chunkSize, item.bytes.size() - at)))
                return false;
        return true;
    }

    // The complete, synced content under a part name of ours.
    bool writePart(int folder, const ExportItem &item, QByteArray &part)
    {
        errno = 0;
        const int fd = createNumbered(folder, partPrefix, part);
        if (fd < 0)
            return fail(ExportProblem::WriteFailed, m_current, errno);
        QFile out;
        bool complete = out.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle);
        if (!complete)
            closeDescriptor(fd);
        complete = complete && writeContent(out, item);
        if (complete && !syncToDisk(fd))
            complete = fail(ExportProblem::WriteFailed, m_current, errno);
        out.close();
        if (!complete)
            removeFileEntry(folder, part);
        return complete;
    }

    // Renames the file to replace out of the way, recorded in the journal first.
    bool setAside(const QString &folderName, int folder, const QByteArray &name, QByteArray &aside)
    {
        if (m_journal < 0) {
            errno = 0;
            m_journal = openForAppending(m_folders[QString()].fd(), journalName);
            if (m_journal < 0)
                return fail(ExportProblem::WriteFailed, inTarget(QFile::decodeName(journalName)), errno);
        }
        for (int n = 1; n <= maxNumberedNames; ++n) {
            const QByteArray candidate = asidePrefix + QByteArray::number(n);
            if (entryKind(folder, candidate) != EntryKind::Missing)
                continue;
            errno = 0;
            if (!appendAndSync(m_journal, encoded(folderName) + '\0' + candidate + '\0' + name + '\0'))
                return fail(ExportProblem::WriteFailed, inTarget(QFile::decodeName(journalName)), errno);
            if (renameWithoutReplacing(folder, name, folder, candidate)) {
                aside = candidate;
                return true;
            }
            if (errno != EEXIST)
                return fail(ExportProblem::WriteFailed, m_current, errno);
        }
        return fail(ExportProblem::WriteFailed, m_current, EEXIST);
    }

    bool writeItem(const ExportItem &item)
    {
        m_current = inTarget(item.relativePath);
        const int cut = item.relativePath.lastIndexOf(QLatin1Char('/'));
        const QString folderName = cut < 0 ? QString() : item.relativePath.left(cut);
        const int folder = folderFd(folderName);
        if (folder < 0)
            return false;
        const QByteArray name = encoded(item.relativePath.mid(cut + 1));
        const EntryKind kind = entryKind(folder, name);
        if (kind == EntryKind::Other)
            return fail(ExportProblem::TargetNotPlain, m_current, 0);
        if (kind == EntryKind::Folder)
            return fail(ExportProblem::TargetBlocked, m_current, 0);
        if (kind == EntryKind::Regular && !m_replace)
            return fail(ExportProblem::TargetExists, m_current, 0);

        QByteArray part;
        if (!writePart(folder, item, part))
            return false;
        Written done{item.relativePath, folderName, name, {}};
        if (kind == EntryKind::Regular && !setAside(folderName, folder, name, done.aside)) {
            removeFileEntry(folder, part);
            return false;
        }
        errno = 0;
        if (!renameWithoutReplacing(folder, part, folder, name)) {
            const int error = errno;
            removeFileEntry(folder, part);
            if (!done.aside.isEmpty())
                renameWithoutReplacing(folder, done.aside, folder, name);
            return fail(ExportProblem::WriteFailed, m_current, error);
        }
        syncToDisk(folder);
        m_written.push_back(done);
        return true;
    }

    void closeJournal(bool remove)
    {
        if (m_journal < 0)
            return;
        closeDescriptor(m_journal);
        m_journal = -1;
        const int root = m_folders[QString()].fd();
        if (remove && removeFileEntry(root, journalName))
            syncToDisk(root);
    }

    // The replaced files are no longer needed.
    void finish()
    {
        bool allRemoved = true;
        for (const Written &done : m_written)
            if (!done.aside.isEmpty() && !removeFileEntry(m_folders[done.folder].fd(), done.aside))
                allRemoved = false;
        for (const auto &[name, folder] : m_folders)
            syncToDisk(folder.fd());
        closeJournal(allRemoved);
    }

    // Takes back what this export wrote: the replaced files return, and the
    // folders it made go if they are empty again. Returns what could not
    // be put back; the journal then stays for the next export.
    QStringList rollBack()
    {
        QStringList notRestored;
        for (auto it = m_written.rbegin(); it != m_written.rend(); ++it) {
            const int folder = m_folders[it->folder].fd();
            const bool removed = removeFileEntry(folder, it->name);
            if (!it->aside.isEmpty() && !(removed && renameWithoutReplacing(folder, it->aside, folder, it->name)))
                notRestored << it->relativePath;
        }
        for (auto it = m_createdFolders.crbegin(); it != m_createdFolders.crend(); ++it) {
            const int cut = it->lastIndexOf(QLatin1Char('/'));
            removeEmptySubfolder(m_folders[cut < 0 ? QString() : it->left(cut)].fd(), encoded(it->mid(cut + 1)));
        }
        for (const auto &[name, folder] : m_folders)
            if (folder.isOpen())
                syncToDisk(folder.fd());
        closeJournal(notRestored.isEmpty());
        for (auto it = m_createdTargets.crbegin(); it != m_createdTargets.crend(); ++it)
            QDir().rmdir(*it);
        return notRestored;
    }

    const ExportPlan &m_plan;
    const bool m_replace;
    const ExportProgress &m_progress;
    ExportIssue m_failure;
    std::vector<Written> m_written;
    std::map<QString, FolderFd> m_folders; // relative path -> open folder; "" is the target
    QStringList m_createdFolders;          // relative paths, parents first
    QStringList m_createdTargets;          // the target and its parents, made by us
    int m_journal = -1;
    QString m_current;
    qint64 m_done = 0;
};

} // namespace

ExportOutcome writeExport(const ExportPlan &plan, bool replaceExisting, const ExportProgress &progress)
{
    ExportOutcome refused;
    for (const ExportIssue &finding : plan.findings) {
        const bool stops = stopsExport(finding.problem)
            || (finding.problem == ExportProblem::TargetExists && !replaceExisting);
        if (stops) {
            refused.failure = finding;
            for (const ExportItem &item : plan.items)
                refused.notWritten << item.relativePath;
            return refused;
        }
    }
    return Writer(plan, replaceExisting, progress).run();
}

ExportRecovery recoverInterruptedExport(const QString &targetFolder)
{
    return recover(targetFolder, true);
}

bool hasExportLeftovers(const QString &targetFolder)
{
    bool journal = false;
    return !recover(targetFolder, false, &journal).isEmpty() || journal;
}
