#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>

// A fresh temporary folder that is the current directory while this lives:
// the program writes its files there. Not copyable, as its folder is not.
class TempCwd
{
public:
    TempCwd();
    ~TempCwd();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    QByteArray read(const QString &name) const;
    // Writes the file, making its folder if need be; returns its path.
    QString write(const QString &name, const QByteArray &bytes) const;

private:
    QString m_previous;
    QTemporaryDir m_dir;
};
