// Inputs built to hang the program or forge lines of its files: each one
// finishes at once with the outcome of an unreadable file of its kind, and a
// font's name cannot carry a line break into the field (nor so into a file).
#include "core/slottable.h"
#include "support/messagerecorder.h"
#include "support/scriptedchooser.h"
#include "support/tempcwd.h"
#include "support/truetypebuilder.h"
#include "support/ui.h"
#include "ui/main/mainwindow.h"
#include "ui/main/slotfontinfo.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <csignal>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A blocked open() cannot be interrupted from the event loop: an alarm
// turns a hang into a failure that names the test.
char hangReport[160];
extern "C" void reportHang(int)
{
    (void)!::write(2, hangReport, qstrlen(hangReport));
    ::_exit(1);
}

bool isPipe(const char *path)
{
    struct stat st {};
    return ::lstat(path, &st) == 0 && S_ISFIFO(st.st_mode);
}

// A main window in a fresh folder, started once the hostile files are in place.
struct Run {
    TempCwd cwd;
    MessageRecorder messages;
    ScriptedChooser chooser;
    std::optional<MainWindow> form;

    MainWindow &start() { return form.emplace(&chooser, &messages); }
    template <typename T = QAction>
    T *get(const char *name) { return child<T>(&*form, name); }
    QLineEdit *face(std::size_t slot) { return get<QLineEdit>(slotTable()[slot].key); }
    QString pipe(const char *name)
    {
        const QString path = cwd.filePath(QLatin1String(name));
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
    }
    void chooseFont(std::size_t slot, const QString &path)
    {
        chooser.answer(path);
        get<QPushButton>(slotTable()[slot].openButton)->click();
    }
};

} // namespace

class TestHostileInput : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        qsnprintf(hangReport, sizeof hangReport, "FAIL: still busy after 5 s in %s\n", QTest::currentTestFunction());
        std::signal(SIGALRM, reportHang);
        ::alarm(5);
    }
    void cleanup() { ::alarm(0); }

    void fontNamedWithLineBreaks()
    {
        Run run;
        const QString evil = QStringLiteral("Evil\r\n[Global]\r\nEnable=0\u2028\t\x01x");
        run.start();
        run.chooseFont(1, TestFonts::writeRenamedFont(run.cwd.path(), "evil.ttf", TestFonts::familyNames(evil, "Book")));
        QCOMPARE(run.face(1)->text(), QStringLiteral("Evil[Global]Enable=0x"));
    }

    void pipeAsFontFile()
    {
        Run run;
        const QString path = run.pipe("pipe.ttf");
        run.start();
        run.face(0)->setText(QStringLiteral("before"));
        run.chooseFont(0, path);
        QCOMPARE(run.face(0)->text(), QString());
        // Refused like any bad font: named on the field and in the status bar.
        QVERIFY(run.face(0)->toolTip().contains(QDir::toNativeSeparators(path)));
        QCOMPARE(run.form->fontInfo().statusText(), run.face(0)->toolTip());
    }

    void pipesAsSettingsAndGlyphmuxIni()
    {
        Run run;
        QVERIFY(!run.pipe("settings.fs").isEmpty());
        QVERIFY(!run.pipe("Glyphmux.ini").isEmpty());
        run.start();
        QVERIFY(run.get("visualizza_pop")->isChecked());
        run.get("visualizza_pop")->trigger(); // a second write of settings.fs, refused too
        QVERIFY(run.messages.warned.isEmpty());
        QVERIFY(!run.form->Salva());
        QVERIFY(run.messages.warned.value(0).contains(QStringLiteral("Glyphmux.ini")));
        QVERIFY(isPipe("settings.fs"));
        QVERIFY(isPipe("Glyphmux.ini"));
    }

    void pipeAsStoredLanguageFile()
    {
        Run run;
        run.cwd.write(QStringLiteral("settings.fs"), "False|" + run.pipe("stored.lng").toUtf8());
        run.start();
        QVERIFY(!run.get("visualizza_pop")->isChecked());
        QCOMPARE(run.get<QObject>("Label37")->property("text").toString(), QStringLiteral("Altezza"));
        QVERIFY(run.messages.warned.isEmpty());
        QVERIFY(run.messages.informed.isEmpty());
    }

    void chosenLanguageFileThatIsNoFile()
    {
        Run run;
        run.start();
        const QStringList paths = {run.pipe("chosen.lng"), QStringLiteral("/dev/zero")};
        for (int i = 0; i < paths.size(); ++i) {
            run.chooser.answer(paths[i]);
            run.get("cmd_lang")->trigger();
            QVERIFY(run.messages.warned.value(i).contains(paths[i]));
        }
        QVERIFY(run.messages.informed.isEmpty());
        QCOMPARE(run.cwd.read(QStringLiteral("settings.fs")), QByteArray("True|\r\n"));
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
