#include "support/tempcwd.h"

#include <QFile>

TempCwd::TempCwd() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_dir.path()); }

TempCwd::~TempCwd() { QDir::setCurrent(m_previous); }

QByteArray TempCwd::read(const QString &name) const
{
    QFile file(filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString TempCwd::write(const QString &name, const QByteArray &bytes) const
{
    QFile file(filePath(name));
    QDir().mkpath(QFileInfo(file).path());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return file.fileName();
}
