#include "core/exportwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

namespace {

constexpr qint64 chunkSize = 1 << 20;

// A rename within one folder, never a copy: std::rename replaces nothing
// here because the old file has been moved aside first.
bool moveFile(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool existsAtAll(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// A free name of ours beside 'path' for keeping a replaced file.
QString backupName(const QString &path)
{
    const QFileInfo info(path);
    const QString base = info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".glyphmux-old");
    QString name = base;
    for (int n = 2; existsAtAll(name); ++n)
        name = base + QString::number(n);
    return name;
}

class Writer
{
public:
    Writer(const ExportPlan &plan, bool replaceExisting, const ExportProgress &progress)
        : m_plan(plan), m_replace(replaceExisting), m_progress(progress)
    {
    }

    ExportOutcome run()
    {
        ExportOutcome outcome;
        std::size_t next = 0;
        if (reportProgress()) {
            for (; next < m_plan.items.size(); ++next)
                if (!writeItem(m_plan.items[next]))
                    break;
        }
        if (m_failure.problem == ExportProblem::Cancelled) {
            rollBack();
            next = 0;
        } else {
            for (const Written &done : m_written) {
                outcome.written << done.relativePath;
                if (!done.backup.isEmpty())
                    QFile::remove(done.backup);
            }
        }
        for (std::size_t i = next; i < m_plan.items.size(); ++i)
            outcome.notWritten << m_plan.items[i].relativePath;
        outcome.failure = m_failure;
        return outcome;
    }

private:
    struct Written {
        QString relativePath;
        QString path;
        QString backup; // the replaced file, kept until the export ends
    };

    bool fail(ExportProblem problem, const QString &path, int systemError)
    {
        m_failure = {problem, path, {}, -1, systemError};
        return false;
    }

    bool reportProgress()
    {
        if (m_progress && !m_progress(m_done, m_plan.totalBytes))
            return fail(ExportProblem::Cancelled, {}, 0);
        return true;
    }

    // Makes the folder and its missing parents, remembering which it made.
    bool makeFolders(const QString &folder)
    {
        QStringList missing;
        for (QString path = QDir::cleanPath(folder); !existsAtAll(path); path = QFileInfo(path).path())
            missing.prepend(path);
        const QString existing = missing.isEmpty() ? QDir::cleanPath(folder) : QFileInfo(missing.first()).path();
        if (!QFileInfo(existing).isDir())
            return fail(ExportProblem::CreateFolderFailed, existing, ENOTDIR);
        for (const QString &path : missing) {
            errno = 0;
            if (!QDir().mkdir(path))
                return fail(ExportProblem::CreateFolderFailed, path, errno);
            m_createdFolders << path;
        }
        return true;
    }

    bool copyInto(QFile &out, const ExportItem &item)
    {
        const int fd = openSourceFile(item.sourcePath, m_failure);
        if (fd < 0)
            return false;
        QFile source;
        if (!source.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            closeSourceFile(fd);
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

    bool writeItem(const ExportItem &item)
    {
        m_current = QDir(m_plan.targetFolder).filePath(item.relativePath);
        const QFileInfo destination(m_current);
        if (!makeFolders(destination.absolutePath()))
            return false;
        const bool replaces = existsAtAll(m_current);
        if (replaces && (!m_replace || !destination.isFile()))
            return fail(destination.isFile() ? ExportProblem::TargetExists : ExportProblem::TargetBlocked, m_current, 0);

        const QString partName =
            destination.absolutePath() + QStringLiteral("/.") + destination.fileName() + QStringLiteral(".glyphmux-part");
        QFile part(partName);
        errno = 0;
        if (!part.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
            return fail(ExportProblem::WriteFailed, m_current, errno);
        const bool complete = writeContent(part, item);
        part.close();
        if (!complete) {
            part.remove();
            return false;
        }

        Written done{item.relativePath, m_current, {}};
        if (replaces) {
            done.backup = backupName(m_current);
            errno = 0;
            if (!moveFile(m_current, done.backup)) {
                const int error = errno;
                part.remove();
                return fail(ExportProblem::WriteFailed, m_current, error);
            }
        }
        errno = 0;
        if (!moveFile(partName, m_current)) {
            const int error = errno;
            part.remove();
            if (!done.backup.isEmpty())
                moveFile(done.backup, m_current);
            return fail(ExportProblem::WriteFailed, m_current, error);
        }
        m_written.push_back(done);
        return true;
    }

    // Takes back what this export wrote: the replaced files return (a kept
    // copy that cannot return stays beside it), and the folders it made go
    // if they are empty again.
    void rollBack()
    {
        for (auto it = m_written.rbegin(); it != m_written.rend(); ++it) {
            QFile::remove(it->path);
            if (!it->backup.isEmpty())
                moveFile(it->backup, it->path);
        }
        for (auto it = m_createdFolders.crbegin(); it != m_createdFolders.crend(); ++it)
            QDir().rmdir(*it);
    }

    const ExportPlan &m_plan;
    const bool m_replace;
    const ExportProgress &m_progress;
    ExportIssue m_failure;
    std::vector<Written> m_written;
    QStringList m_createdFolders;
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
