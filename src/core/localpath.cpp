#include "core/localpath.h"

#include <QFile>

bool isLosslessPath(const QString &path)
{
    return !path.contains(QChar::ReplacementCharacter);
}

QString losslessName(const QByteArray &bytes)
{
    const QString name = QFile::decodeName(bytes);
    return QFile::encodeName(name) == bytes && isLosslessPath(name) ? name : QString();
}
