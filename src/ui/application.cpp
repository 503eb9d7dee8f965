#include "ui/application.h"

#include "appversion.h"
#include "core/languagechoice.h"
#include "core/localpath.h"
#include "core/safesave.h"
#include "preview/storedpicture.h"
#include "ui/commandline.h"
#include "ui/main/mainwindow.h"
#include "ui/translators.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>

#include <QFile>

#include <cstdio>

namespace {

void nameApplication()
{
    // Where QSettings keeps recent files: ~/.config/Glyphmux/glyphmux-gui.conf here.
    QCoreApplication::setOrganizationName(QStringLiteral("Glyphmux"));
    QCoreApplication::setApplicationName(QStringLiteral("glyphmux-gui"));
    QCoreApplication::setApplicationVersion(QLatin1String(AppVersion::text));
}

// Qt's own options, which QApplication takes from the command line after us:
// known here so that only options nobody knows are refused.
void acceptQtOptions(QCommandLineParser &parser)
{
    for (const char *name : qtValueOptions) {
        QCommandLineOption option(QLatin1String(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "testability"}) {
        QCommandLineOption option{QString::fromLatin1(name)};
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// True when the window system Qt will use needs a display and none is
// named. Another platform (-platform offscreen, QT_QPA_PLATFORM) needs none.
bool displayMissing(const QCommandLineParser &parser)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (parser.isSet(QStringLiteral("platform")))
        platform = parser.value(QStringLiteral("platform"));
    const bool windowSystem = platform.startsWith(QLatin1String("xcb")) || platform.startsWith(QLatin1String("wayland"));
    if (!platform.isEmpty() && !windowSystem)
        return false;
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    Q_UNUSED(parser);
    return false;
#endif
}

// Answers --help and --version, and refuses unknown options and a second
// FILE with Qt's usual kind of message and exit status, before any window
// system is touched, so all of that works without a display. Qt's own
// options (-platform, -style, ...) still reach QApplication. False when the
// program must end here.
bool answerCommandLine(int argc, char *argv[], const QList<QByteArray> &files)
{
    QCoreApplication probe(argc, argv);
    nameApplication();
    // Messages in the system's language; the window decides again later.
    const QLocale system = QLocale::system();
    Translators::use(languageCodeOfFile(shippedFileForSystem(system.name(), system.uiLanguages())));
    const struct Restore {
        ~Restore() { Translators::use(QString()); }
    } restore;
    QCommandLineParser parser;
    // Qt's options are single-dash words: "-style" is one option, not five.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QCoreApplication::translate("Application",
                                    "Editor of Glyphmux.ini, the font configuration of Glyphmux for Symbian phones.\n"
                                    "Writes Glyphmux.ini and settings.fs into the current directory; a FILE opened\n"
                                    "is saved back to itself instead."));
    parser.addHelpOption();
    parser.addVersionOption();
    acceptQtOptions(parser);
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("Application", "A Glyphmux.ini to open."),
                                 QStringLiteral("[FILE]"));
    parser.process(probe);
    if (files.size() > 1) {
        std::fputs(qPrintable(QCoreApplication::translate("Application",
                                                          "glyphmux-gui: only one FILE can be opened; also named: %1")
                                  .arg(QFile::decodeName(files.at(1)))),
                   stderr);
        std::fputc('\n', stderr);
        return false;
    }
    if (displayMissing(parser)) {
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
    SplitArguments arguments = splitArguments(argc, argv);
    if (!answerCommandLine(arguments.optionCount, arguments.options.data(), arguments.files))
        return 1;

    QApplication app(arguments.optionCount, arguments.options.data());
    nameApplication();
    QApplication::setWindowIcon(QIcon(storedPicture(QStringLiteral(":/icons/glyphmux-gui-64.pixels"))));

    MainWindow window;
    window.show();
    // The name as the bytes it is: one that is not UTF-8 is opened, and
    // saved back, as itself, never as a look-alike.
    if (!arguments.files.isEmpty())
        window.openFile(pathFromNativeName(arguments.files.constFirst()));
    if (shown)
        shown(window);
    return app.exec();
}
