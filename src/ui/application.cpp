#include "ui/application.h"

#include "appversion.h"
#include "ui/main/mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

namespace {

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("glyphmux-gui"));
    QCoreApplication::setApplicationVersion(QLatin1String(AppVersion::text));
}

// Answers --help and --version before any window system is touched, so both
// work without a display. The editor reads nothing else from the command
// line; Qt's own options (-platform, -style) still reach QApplication.
void answerCommandLine(int argc, char *argv[])
{
    QCoreApplication probe(argc, argv);
    nameApplication();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Editor of Glyphmux.ini, the font configuration of Glyphmux for Symbian phones.\n"
                       "Writes Glyphmux.ini and settings.fs into the current directory."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();
}

} // namespace

int runEditor(int argc, char *argv[], const std::function<void(QWidget &)> &shown)
{
    answerCommandLine(argc, argv);

    QApplication app(argc, argv);
    nameApplication();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/glyphmux-gui-64.png")));

    MainWindow window;
    window.show();
    if (shown)
        shown(window);
    return app.exec();
}
