// Inputs built to hang the program or forge lines of its files: each one
// finishes at once with the outcome of an unreadable file of its kind, and
// every file written keeps its lines.
#include "core/slottable.h"
#include "support/messagerecorder.h"
#include "support/scriptedchooser.h"
#include "support/tempcwd.h"
#include "support/truetypebuilder.h"
#include "support/ui.h"
#include "ui/main/mainwindow.h"
#include "ui/main/sloteditor.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

#include <csignal>
#include <functional>
#include <map>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A blocked open() cannot be interrupted from the event loop: an alarm
// turns a hang into a failure that names the input.
char inputUnderTest[128];
extern "C" void reportHang(int)
{
    const char text[] = "FAIL: still busy after 5 s with: ";
    (void)!::write(2, text, sizeof text - 1);
    (void)!::write(2, inputUnderTest, qstrlen(inputUnderTest));
    (void)!::write(2, "\n", 1);
    ::_exit(1);
}

bool isPipe(const QString &path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

struct Run {
    TempCwd cwd;
    MessageRecorder messages;
    ScriptedChooser chooser;
    std::optional<MainWindow> form;
    int socketFd = -1;
    ~Run() { ::close(socketFd); }

    MainWindow &start() { return form.emplace(&chooser, &messages); }
    QString pipe(const char *name)
    {
        const QString path = cwd.filePath(QLatin1String(name));
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
    }
    QString socket(const char *name) // a listening Unix socket
    {
        const QString path = cwd.filePath(QLatin1String(name));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path);
        socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool ok = ::bind(socketFd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
                        && ::listen(socketFd, 1) == 0;
        return ok ? path : QString();
    }
    QLineEdit *face(std::size_t slot) { return child<QLineEdit>(&*form, slotTable()[slot].key); }
    void chooseFont(std::size_t slot, const QString &path)
    {
        chooser.answer(path);
        child<QPushButton>(&*form, slotTable()[slot].openButton)->click();
    }
    QStringList iniLines() const
    {
        const QByteArray bytes = cwd.read(QStringLiteral("Glyphmux.ini"));
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.constData()) + 1, bytes.size() / 2 - 1)
            .split(QStringLiteral("\r\n"));
    }
    QString caption(const char *label) { return child<QObject>(&*form, label)->property("text").toString(); }
};

// A font file that is no font at all: what the user sees for it.
void refusedLikeAnyBadFont(Run &run, const QString &path)
{
    QVERIFY(!path.isEmpty());
    run.start();
    run.face(0)->setText(QStringLiteral("before"));
    run.chooseFont(0, path);
    QCOMPARE(run.face(0)->text(), QString());
    QCOMPARE(run.face(0)->toolTip(), SlotEditor::noFaceMessage(path));
}

const std::map<QString, std::function<void(Run &)>> &hostileCases()
{
    static const std::map<QString, std::function<void(Run &)>> cases = {
        {"font named with line breaks", [](Run &run) {
            const QString evil = QStringLiteral("Evil\r\n[Global]\r\nEnable=0\u2028\t\x01x");
            const QString path = TestFonts::writeRenamedFont(run.cwd.path(), QStringLiteral("evil.ttf"),
                                                             TestFonts::familyNames(evil, QStringLiteral("Book")));
            run.start();
            run.chooseFont(1, path);
            QCOMPARE(run.face(1)->text(), QStringLiteral("Evil[Global]Enable=0x"));
            // Typed or pasted values cannot add lines either.
            child<QLineEdit>(&*run.form, slotTable()[2].heightField)->setText(QStringLiteral("1\n[Global]\rEnable=0"));
            QVERIFY(run.form->Salva());
            const QStringList lines = run.iniLines();
            QCOMPARE(lines.size(), 33); // 32 lines, each ended by CR LF
            QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^(Enable=|\\[Global)"))),
                     QStringList({QStringLiteral("[Global]"), QStringLiteral("Enable=1")}));
        }},
        {"pipe as font file", [](Run &run) { refusedLikeAnyBadFont(run, run.pipe("pipe.ttf")); }},
        {"socket as font file", [](Run &run) { refusedLikeAnyBadFont(run, run.socket("socket.ttf")); }},
        {"pipe as settings.fs", [](Run &run) {
            QVERIFY(!run.pipe("settings.fs").isEmpty());
            run.start();
            QVERIFY(child<QAction>(&*run.form, "visualizza_pop")->isChecked());
            child<QAction>(&*run.form, "visualizza_pop")->trigger(); // a second write, refused too
            QVERIFY(isPipe(QStringLiteral("settings.fs")) && run.messages.warned.isEmpty());
        }},
        {"pipe as stored language file", [](Run &run) {
            const QString path = run.pipe("stored.lng");
            run.cwd.write(QStringLiteral("settings.fs"), "False|" + path.toUtf8());
            run.start();
            QVERIFY(!child<QAction>(&*run.form, "visualizza_pop")->isChecked());
            QCOMPARE(run.caption("Label37"), QStringLiteral("Altezza"));
            QVERIFY(run.messages.warned.isEmpty() && run.messages.informed.isEmpty());
        }},
        {"pipe chosen as language file", [](Run &run) {
            const QString path = run.pipe("chosen.lng");
            run.start();
            run.chooser.answer(path);
            child<QAction>(&*run.form, "cmd_lang")->trigger();
            QVERIFY(run.messages.warned.value(0).contains(path) && run.messages.informed.isEmpty());
            QCOMPARE(run.cwd.read(QStringLiteral("settings.fs")), QByteArray("True|\r\n"));
        }},
        {"device chosen as language file", [](Run &run) {
            run.start();
            run.chooser.answer(QStringLiteral("/dev/zero"));
            child<QAction>(&*run.form, "cmd_lang")->trigger();
            QVERIFY(run.messages.warned.value(0).contains(QStringLiteral("/dev/zero")));
        }},
        {"pipe as Glyphmux.ini", [](Run &run) {
            QVERIFY(!run.pipe("Glyphmux.ini").isEmpty());
            run.start();
            QVERIFY(!run.form->Salva());
            QVERIFY(run.messages.warned.value(0).contains(QStringLiteral("Glyphmux.ini")));
            QVERIFY(isPipe(QStringLiteral("Glyphmux.ini")));
        }},
    };
    return cases;
}

} // namespace

class TestHostileInput : public QObject
{
    Q_OBJECT

private slots:
    void finishesWithTheOutcomeOfABadFile_data()
    {
        QTest::addColumn<QString>("input");
        for (const auto &entry : hostileCases())
            QTest::newRow(qPrintable(entry.first)) << entry.first;
    }

    void finishesWithTheOutcomeOfABadFile()
    {
        QFETCH(QString, input);
        qstrncpy(inputUnderTest, qPrintable(input), sizeof inputUnderTest);
        std::signal(SIGALRM, reportHang);
        ::alarm(5);
        {
            Run run;
            hostileCases().at(input)(run);
        }
        ::alarm(0);
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
