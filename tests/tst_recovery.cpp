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

// Starts such a session (its temporaries in 'temp', as a kill leaves them) and waits for its "ready".
bool startSession(QProcess &process, const QString &face, const QString &temp)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("CHILD_FACE", face);
    env.insert("CHILD_STATE_HOME", qEnvironmentVariable("XDG_STATE_HOME"));
    env.insert("TMPDIR", temp);
    process.setProcessEnvironment(env);
    process.start(QCoreApplication::applicationFilePath(), {});
    return process.waitForReadyRead(20000) && process.readAll().startsWith("ready");
}

QPushButton *offerButton(const QWidget &window, const char *name) { return window.findChild<QPushButton *>(name); }

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT

private slots:
    // A record as written comes back equal; each damage makes the whole file refused.
    void format()
    {
        RecoveryRecord record{editedMap("Face =%\r\n\u00e8\U0001F600"), "/a b/caf" + QString(QChar(0xDCE9)) + "/Glyphmux.ini" /* a Latin-1 byte */,
                              QDateTime(QDate(2026, 12, 7), QTime(1, 30), Qt::UTC)};
        record.map.zoom = 120;
        const QByteArray bytes = formatRecovery(record);
        QVERIFY(parseRecovery(bytes) == record && bytes.contains("ini=%2Fa%20b%2Fcaf%E9%2F"));
        const std::pair<const char *, const char *> damages[] = {
            {"zoom=120", "zoom=301"}, {"zoom=120", "zoom=1e2"}, {"slot3.italic=1", "slot3.italic=2"},
            {"chroma=100\n", ""}, {"chroma=100\n", "chroma=100\nchroma=100\n"}, {"chroma=", "colour="},
            {"slot4.face=", "slot5.face="}, {"chroma=100", "chroma=1 0"}, {"chroma=100", "chroma=10%4"},
            {"chroma=100", "chroma=%FF"}, {"\nzoom", "\n\nzoom"}, {"written=2", "written=x"},
            {"recovery 1", "recovery 2"}, {"fontPath=", "fontPath"}};
        for (const auto &[from, to] : damages)
            QVERIFY2(!parseRecovery(QByteArray(bytes).replace(from, to)), to);
        QVERIFY(!parseRecovery(bytes.chopped(1)));
        // Too large a record is not written at all, as it would not be read.
        record.map.fontPath.fill(u'x', maxRecoveryBytes);
        QVERIFY(formatRecovery(record).isEmpty());
    }

    // Two sessions at once, killed: each wrote its own file, and the next
    // starts offer them one each, in the window's designed state.
    void killedSessionsAreOfferedAndRestored()
    {
        QTemporaryDir temp;
        QProcess sessions[2];
        EditorWindow f([&](const TempCwd &) {
            QVERIFY(startSession(sessions[0], "First", temp.path()));
            QVERIFY(startSession(sessions[1], "Second & last", temp.path()));
        });
        QCOMPARE(recoveries().size(), 2);
        QVERIFY(!f.form.statusLine().offering()); // they still run
        for (QProcess &session : sessions) {
            session.kill(); // SIGKILL
            session.waitForFinished();
        }
        QStringList faces;
        std::vector<std::unique_ptr<MainWindow>> windows;
        for (int i = 0; i < 3; ++i) {
            MainWindow &w = *windows.emplace_back(std::make_unique<MainWindow>(&f.chooser, &f.messages));
            QVERIFY(w.fontMap() == FontMap::initial());
            QCOMPARE(w.statusLine().offering(), i < 2); // the third finds none left
            if (i == 2)
                break;
            QVERIFY(child<QLabel>(&w, "statusOfferText")->text().startsWith("Unsaved changes from "));
            offerButton(w, "restoreRecovery")->click();
            faces << w.fontMap().slotValues[1].face;
            QVERIFY(w.fontMap() == editedMap(faces.last()));
            QCOMPARE(child<QAction>(&w, "cmd_undo")->text(), QStringLiteral("&Undo restoring unsaved changes"));
            child<QAction>(&w, "cmd_undo")->trigger();
            QVERIFY(w.fontMap() == FontMap::initial());
        }
        // Newest first; the old files went once the windows kept the maps as their own.
        QCOMPARE(faces, QStringList({"Second & last", "First"}));
        QCOMPARE(recoveries().size(), 2);
        QVERIFY(recoveries().contains(QFileInfo(windows[0]->recovery().ownFile()).fileName()));
    }

    void writtenRemovedAndNeverOffered_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"good", "damaged", "huge", "pipe", "lock held", "no lock"})
            QTest::newRow(kind) << QString(kind);
    }
    void writtenRemovedAndNeverOffered()
    {
        QFETCH(QString, kind);
        const bool offered = kind == "good";
        int held = -1;
        EditorWindow f([&](const TempCwd &) {
            QDir().mkpath(recoveryFolder());
            const QString base = recoveryFolder() + "/00000000000000aa";
            if (kind != "no lock")
                held = ::open(QFile::encodeName(base + ".lock").constData(), O_RDWR | O_CREAT, 0600);
            if (kind == "lock held")
                ::flock(held, LOCK_EX);
            QFile file(base + ".recovery");
            if (kind == "pipe")
                QCOMPARE(::mkfifo(QFile::encodeName(base + ".recovery").constData(), 0600), 0);
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
        QVERIFY(recoveries().isEmpty() && f.form.statusBar()->isHidden());

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
        const std::optional<RecoveryRecord> kept = parseRecovery(own.open(QIODevice::ReadOnly) ? own.readAll() : "");
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
