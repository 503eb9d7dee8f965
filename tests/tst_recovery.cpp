// Unsaved maps survive a killed session: the recovery file's format, the
// offer at the next start, two sessions at once, and what is never offered.
#include "core/recoveryrecord.h"
#include "support/editorwindow.h"
#include "ui/main/documenthistory.h"
#include "ui/main/recoverykeeper.h"
#include "ui/main/statusline.h"

#include <sys/file.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString recoveryFolder() { return qEnvironmentVariable("XDG_STATE_HOME") + "/Glyphmux/recovery"; }
QStringList recoveries() { return QDir(recoveryFolder()).entryList({"*.recovery"}, QDir::Files); }

// The map a session has after face 'face' in slot 2 and italics in slot 4.
FontMap editedMap(const QString &face)
{
    FontMap map = FontMap::initial();
    map.slotValues[1].face = face;
    map.slotValues[3].italic = true;
    return map;
}

// In a child process: a session that makes those edits, says "ready" once
// its recovery is written, and waits to be killed.
int runChildSession(int argc, char **argv)
{
    QApplication app(argc, argv);
    qputenv("XDG_STATE_HOME", qgetenv("CHILD_STATE_HOME"));
    MainWindow window;
    window.findChild<QLineEdit *>("LatinBold13")->setText(qEnvironmentVariable("CHILD_FACE"));
    window.findChild<QCheckBox *>("IT4")->setChecked(true);
    QDeadlineTimer deadline(10000);
    while (!QFile::exists(window.recovery().ownFile()) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}

struct Child {
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    // Starts a session whose temporaries land in 'temp' (a kill leaves them there).
    Child(const QString &face, const QString &temp)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("CHILD_FACE", face);
        env.insert("CHILD_STATE_HOME", qEnvironmentVariable("XDG_STATE_HOME"));
        env.insert("TMPDIR", temp);
        process->setProcessEnvironment(env);
        process->start(QCoreApplication::applicationFilePath(), {});
    }
    bool ready() { return process->waitForReadyRead(20000) && process->readAll().startsWith("ready"); }
    void kill() { process->kill(); process->waitForFinished(); } // SIGKILL
};

QPushButton *offerButton(const QWidget &window, const char *name) { return window.findChild<QPushButton *>(name); }

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    void format_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<bool>("taken");
        QTest::newRow("as written") << QByteArray() << QByteArray() << true;
        QTest::newRow("zoom out of range") << QByteArray("zoom=120") << QByteArray("zoom=301") << false;
        QTest::newRow("zoom not a number") << QByteArray("zoom=120") << QByteArray("zoom=1e2") << false;
        QTest::newRow("italic neither 0 nor 1") << QByteArray("slot0.italic=1") << QByteArray("slot0.italic=2") << false;
        QTest::newRow("a key missing") << QByteArray("chroma=90\n") << QByteArray() << false;
        QTest::newRow("a key twice") << QByteArray("chroma=90\n") << QByteArray("chroma=90\nchroma=90\n") << false;
        QTest::newRow("an unknown key") << QByteArray("chroma=") << QByteArray("colour=") << false;
        QTest::newRow("a slot past the last") << QByteArray("slot4.face=") << QByteArray("slot5.face=") << false;
        QTest::newRow("plain text in a value") << QByteArray("chroma=90") << QByteArray("chroma=9 0") << false;
        QTest::newRow("a cut escape") << QByteArray("chroma=90") << QByteArray("chroma=90%4") << false;
        QTest::newRow("not UTF-8") << QByteArray("chroma=90") << QByteArray("chroma=%FF") << false;
        QTest::newRow("an empty line") << QByteArray("\nzoom") << QByteArray("\n\nzoom") << false;
        QTest::newRow("no date") << QByteArray("written=2") << QByteArray("written=x") << false;
        QTest::newRow("another format") << QByteArray("recovery 1") << QByteArray("recovery 2") << false;
        QTest::newRow("cut short") << QByteArray("\n", 1) << QByteArray("") << false;
    }
    void format()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(bool, taken);
        RecoveryRecord record{editedMap("Face =%\r\n\u00e8\U0001F600"), "/a b/Glyphmux.ini",
                              QDateTime(QDate(2026, 12, 7), QTime(1, 30), Qt::UTC)};
        record.map.zoom = 120;
        record.map.chroma = "90";
        record.map.slotValues[0].italic = true;
        QByteArray bytes = formatRecovery(record);
        if (from == "\n")
            bytes.chop(1); // the last line end
        else if (!from.isEmpty())
            bytes.replace(bytes.indexOf(from), from.size(), to);
        const std::optional<RecoveryRecord> read = parseRecovery(bytes);
        QCOMPARE(read.has_value(), taken);
        if (taken)
            QVERIFY(*read == record);
        // Too large a record is not written at all, as it would not be read.
        record.map.fontPath.fill(u'x', maxRecoveryBytes);
        QVERIFY(formatRecovery(record).isEmpty());
    }

    void killedSessionIsOfferedAndRestored()
    {
        QTemporaryDir temp;
        EditorWindow f([&](const TempCwd &) {
            Child child(QStringLiteral("Killed & Face"), temp.path());
            QVERIFY(child.ready());
            child.kill();
        });
        // The window starts as always; the offer waits below it.
        QVERIFY(f.form.fontMap() == FontMap::initial());
        QVERIFY(f.form.statusLine().offering());
        QVERIFY(f.get<QLabel>("statusOfferText")->text().startsWith("Unsaved changes from "));
        offerButton(f.form, "restoreRecovery")->click();
        QVERIFY(f.form.fontMap() == editedMap(QStringLiteral("Killed & Face")));
        QVERIFY(!f.form.statusLine().offering());
        QCOMPARE(f.get<QAction>("cmd_undo")->text(), QStringLiteral("&Undo restoring unsaved changes"));
        // The old file went once this session kept the map as its own.
        QCOMPARE(recoveries(), QStringList(QFileInfo(f.form.recovery().ownFile()).fileName()));
        f.get<QAction>("cmd_undo")->trigger();
        QVERIFY(f.form.fontMap() == FontMap::initial());
    }

    void twoSessionsAtOnce()
    {
        QTemporaryDir temp;
        std::vector<Child> children;
        EditorWindow f([&](const TempCwd &) {
            for (const char *face : {"First", "Second"}) {
                children.emplace_back(QLatin1String(face), temp.path());
                QVERIFY(children.back().ready());
            }
        });
        // Each writes its own file; a session still running is never offered.
        QCOMPARE(recoveries().size(), 2);
        QVERIFY(!f.form.statusLine().offering());
        for (Child &child : children)
            child.kill();
        // Two windows started now take one each, and one more finds none.
        QStringList faces;
        std::vector<std::unique_ptr<MainWindow>> windows;
        for (int i = 0; i < 3; ++i) {
            windows.push_back(std::make_unique<MainWindow>(&f.chooser, &f.messages));
            if (QPushButton *restore = offerButton(*windows.back(), "restoreRecovery")) {
                restore->click();
                faces << windows.back()->fontMap().slotValues[1].face;
            }
        }
        faces.sort();
        QCOMPARE(faces, QStringList({"First", "Second"}));
    }

    void writtenRemovedAndNeverOffered_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("offered");
        QTest::newRow("good") << "good" << true;
        QTest::newRow("damaged") << "damaged" << false;
        QTest::newRow("huge") << "huge" << false;
        QTest::newRow("pipe") << "pipe" << false;
        QTest::newRow("lock held") << "lock held" << false;
        QTest::newRow("no lock") << "no lock" << false;
    }
    void writtenRemovedAndNeverOffered()
    {
        QFETCH(QString, kind);
        QFETCH(bool, offered);
        int held = -1;
        EditorWindow f([&](const TempCwd &) {
            QDir().mkpath(recoveryFolder());
            const QString base = recoveryFolder() + "/00000000000000aa";
            const QByteArray name = QFile::encodeName(base + ".recovery");
            if (kind != "no lock")
                held = ::open(QFile::encodeName(base + ".lock").constData(), O_RDWR | O_CREAT, 0600);
            if (kind == "lock held")
                ::flock(held, LOCK_EX);
            QFile file(base + ".recovery");
            if (kind == "pipe")
                QCOMPARE(::mkfifo(name.constData(), 0600), 0);
            else if (file.open(QIODevice::WriteOnly)) {
                file.write(formatRecovery({editedMap("Left"), "/x/Glyphmux.ini", QDateTime::currentDateTimeUtc()}));
                if (kind == "damaged")
                    file.write("zoom=1\n");
                if (kind == "huge")
                    file.resize(maxRecoveryBytes + 1);
            }
        });
        ::close(held);
        QCOMPARE(f.form.statusLine().offering(), offered);
        if (!offered)
            return;
        // Discard removes it; the bar goes as it came.
        offerButton(f.form, "discardRecovery")->click();
        QVERIFY(recoveries().isEmpty());
        QVERIFY(f.form.statusBar()->isHidden());

        // An edit is written within two seconds; a save removes it.
        QTest::keyClicks(f.face(0), QStringLiteral("A"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(f.form.recovery().ownFile()), 2000);
        QVERIFY(f.form.writeIni());
        QVERIFY(!QFile::exists(f.form.recovery().ownFile()));
        // Back to the saved map by undo: nothing to keep.
        QTest::keyClicks(f.face(0), QStringLiteral("B"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(f.form.recovery().ownFile()), 2000);
        f.get<QAction>("cmd_undo")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(f.form.recovery().ownFile()), 2000);
        // Closing writes at once, asks nothing, and writes nothing else.
        QTest::keyClicks(f.face(0), QStringLiteral("C"));
        const QByteArray ini = f.cwd.read("Glyphmux.ini");
        f.form.close();
        QFile own(f.form.recovery().ownFile());
        QVERIFY(own.open(QIODevice::ReadOnly));
        const std::optional<RecoveryRecord> kept = parseRecovery(own.readAll());
        QVERIFY(kept && kept->map.slotValues[0].face == "AC");
        QCOMPARE(kept->iniPath, f.cwd.filePath("Glyphmux.ini"));
        QCOMPARE(f.cwd.read("Glyphmux.ini"), ini);
        QVERIFY(f.messages.informed.isEmpty() && f.messages.asked.isEmpty());
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet("CHILD_FACE"))
        return runChildSession(argc, argv);
    QApplication app(argc, argv);
    TestRecovery test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
