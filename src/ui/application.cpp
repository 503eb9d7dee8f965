#include "ui/application.h"

#include "appversion.h"
#include "core/safesave.h"
#include "preview/storedpicture.h"
#include "ui/main/mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <cstdio>

namespace {

void nameApplication()
{
    // Where QSettings keeps recent files: ~/.config/Glyphmux/glyphmux-gui.conf here.
    QCoreApplication::setOrganizationName(QStringLiteral("Glyphmux"));
    QCoreApplication::setApplicationName(QStringLiteral("glyphmux-gui"));
    QCoreApplication::setApplicationVersion(QLatin1String(AppVersion::text));
}

// True when the window system Qt will use needs a display and none is
// named. Another platform (-platform offscreen, QT_QPA_PLATFORM) needs none.
bool displayMissing(int argc, char *argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg = argv[i];
        if ((arg == "-platform" || arg == "--platform") && i + 1 < argc)
            platform = argv[i + 1];
    }
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return false;
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return false;
#endif
}

// Answers --help and --version before any window system is touched, so both
// work without a display, and puts the file to open, if one is named, into
// 'file'. Qt's own options (-platform, -style) still reach QApplication.
bool answerCommandLine(int argc, char *argv[], QString &file)
{
    QCoreApplication probe(argc, argv);
    nameApplication();
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Editor of Glyphmux.ini, the font configuration of Glyphmux for Symbian phones.\n"
                       "Writes Glyphmux.ini and settings.fs into the current directory; a FILE opened\n"
                       "is saved back to itself instead."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A Glyphmux.ini to open."),
                                 QStringLiteral("[FILE]"));
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(help))
        parser.showHelp(0);
    if (parser.isSet(version))
        parser.showVersion();
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        file = files.constFirst();
    if (displayMissing(argc, argv)) {
        // Qt would abort with a core dump; one plain line says what to do.
        std::fputs(qPrintable(QCoreApplication::translate(
                       "Application", "glyphmux-gui: no display to open the window on (neither DISPLAY nor "
                                      "WAYLAND_DISPLAY is set); without a screen, run it as: xvfb-run glyphmux-gui")),
                   stderr);
        std::fputc('\n', stderr);
        return false;
    }
    return true;
}

} // namespace

int runEditor(int argc, char *argv[], const std::function<void(QWidget &)> &shown)
{
    ignoreFileSizeLimitSignal();
    QString file;
    if (!answerCommandLine(argc, argv, file))
        return 1;

    QApplication app(argc, argv);
    nameApplication();
    QApplication::setWindowIcon(QIcon(storedPicture(QStringLiteral(":/icons/glyphmux-gui-64.pixels"))));

    MainWindow window;
    window.show();
    if (!file.isEmpty())
        window.openFile(file);
    if (shown)
        shown(window);
    return app.exec();
}
