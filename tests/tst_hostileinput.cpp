// Inputs built to hang the program or forge lines of its files: each one
// finishes at once with the outcome of an unreadable file of its kind, and a
// font's name cannot carry a line break into the field (nor so into a file).
#include "support/editorwindow.h"
#include "support/truetypebuilder.h"
#include "ui/main/slotfontinfo.h"

#include <csignal>
#include <filesystem>

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

QString pipe(const TempCwd &cwd, const char *name)
{
    const QString path = cwd.filePath(QLatin1String(name));
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
}

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
        EditorWindow w;
        const QString evil = QStringLiteral("Evil\r\n[Global]\r\nEnable=0\u2028\t\x01x");
        w.choose(1, TestFonts::writeRenamedFont(w.cwd.path(), "evil.ttf", TestFonts::familyNames(evil, "Book")));
        QCOMPARE(w.face(1)->text(), QStringLiteral("Evil[Global]Enable=0x"));
    }

    void pipeAsFontFile()
    {
        EditorWindow w;
        const QString path = pipe(w.cwd, "pipe.ttf");
        w.face(0)->setText(QStringLiteral("before"));
        w.choose(0, path);
        QCOMPARE(w.face(0)->text(), QString());
        // Refused like any bad font: named on the field and in the status bar.
        QVERIFY(w.face(0)->toolTip().contains(QDir::toNativeSeparators(path)));
        QCOMPARE(w.form.fontInfo().statusText(), w.face(0)->toolTip());
    }

    void pipesAsSettingsAndGlyphmuxIni()
    {
        EditorWindow w([](const TempCwd &cwd) { QVERIFY(!pipe(cwd, "settings.fs").isEmpty()); });
        QVERIFY(!pipe(w.cwd, "Glyphmux.ini").isEmpty());
        QVERIFY(w.get<QAction>("visualizza_pop")->isChecked());
        w.get<QAction>("visualizza_pop")->trigger(); // a second write of settings.fs, refused too
        QVERIFY(w.messages.warned.isEmpty());
        QVERIFY(!w.form.Salva());
        QVERIFY(w.messages.warned.value(0).contains(QStringLiteral("Glyphmux.ini")));
        QVERIFY(std::filesystem::is_fifo("settings.fs"));
        QVERIFY(std::filesystem::is_fifo("Glyphmux.ini"));
    }

    void pipeAsStoredLanguageFile()
    {
        EditorWindow w([](const TempCwd &cwd) { cwd.write(QStringLiteral("settings.fs"), "False|" + pipe(cwd, "stored.lng").toUtf8()); });
        QVERIFY(!w.get<QAction>("visualizza_pop")->isChecked());
        QCOMPARE(w.get<QLabel>("Label37")->text(), QStringLiteral("Altezza"));
        QVERIFY(w.messages.warned.isEmpty());
        QVERIFY(w.messages.informed.isEmpty());
    }

    void chosenLanguageFileThatIsNoFile()
    {
        EditorWindow w;
        const QStringList paths = {pipe(w.cwd, "chosen.lng"), QStringLiteral("/dev/zero")};
        for (int i = 0; i < paths.size(); ++i) {
            w.chooser.answer(paths[i]);
            w.get<QAction>("cmd_lang")->trigger();
            QVERIFY(w.messages.warned.value(i).contains(paths[i]));
        }
        QVERIFY(w.messages.informed.isEmpty());
        QCOMPARE(w.cwd.read(QStringLiteral("settings.fs")), QByteArray("True|\r\n"));
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
