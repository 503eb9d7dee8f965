#include "core/safesave.h"

#include <QFileInfo>
#include <QSaveFile>

namespace {

SaveOutcome failure(FileError::Kind kind, const QString &path, const QFileDevice &file)
{
    return {false, {kind, path, file.error(), file.errorString()}};
}

} // namespace

SaveOutcome saveFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isDir() && !(info.permissions() & QFileDevice::WriteOwner))
        return {false, {FileError::Kind::ReadOnly, path, QFileDevice::PermissionsError, {}}};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(FileError::Kind::Open, path, file);

    // QSaveFile keeps going after a short write (a full disk, a size limit),
    // so every write is checked and a short one cancels the whole save.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const SaveOutcome outcome = failure(FileError::Kind::Write, path, file);
            file.cancelWriting();
            return outcome;
        }
        written += n;
    }
    if (!file.commit())
        return failure(FileError::Kind::Commit, path, file);
    return {true, {}};
}
