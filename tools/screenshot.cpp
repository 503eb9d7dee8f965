// Grabs the main window into PNG files for the README, offscreen.
#include "ui/main/form1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString outDir = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")).absolutePath();
    QDir().mkpath(outDir);
    const QString language = argc > 2 ? QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath() : QString();

    // The window reads and writes its settings in the current directory.
    QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());
    // An optional language file is applied as if chosen in an earlier run.
    if (!language.isEmpty()) {
        QFile settings(QStringLiteral("settings.fs"));
        if (settings.open(QIODevice::WriteOnly))
            settings.write("True|" + language.toUtf8() + "\r\n");
    }

    Form1 window;
    window.show();
    app.processEvents();
    const QString file = outDir + QStringLiteral("/main-window.png");
    if (!window.grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
    }
    std::printf("%s\n", qPrintable(file));
    return 0;
}
