#include "core/safesave.h"

#include <QFileInfo>
#include <QSaveFile>

SaveOutcome saveFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isDir() && !(info.permissions() & QFileDevice::WriteOwner))
        return {false, QStringLiteral("il file è di sola lettura")};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString()};

    // QSaveFile keeps going after a short write (a full disk, a size limit),
    // so every write is checked and a short one cancels the whole save.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return {false, reason.isEmpty() ? QStringLiteral("scrittura incompleta") : reason};
        }
        written += n;
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}
