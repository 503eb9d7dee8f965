#include "core/datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef GLYPHMUX_DATA_FROM_BIN
#define GLYPHMUX_DATA_FROM_BIN "../share/glyphmux-gui/Data"
#endif

QString installedDataFolderFromProgram()
{
    return QStringLiteral(GLYPHMUX_DATA_FROM_BIN);
}

QString dataFolderFor(const QString &programFolder)
{
    const QDir program(programFolder);
    const QString beside = program.filePath(QStringLiteral("Data"));
    if (QFileInfo(beside).isDir())
        return beside;
    const QString installed = QDir::cleanPath(program.filePath(installedDataFolderFromProgram()));
    if (QFileInfo(installed).isDir())
        return installed;
    return beside;
}

QString dataFolder()
{
    return dataFolderFor(QCoreApplication::applicationDirPath());
}
