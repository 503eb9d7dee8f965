// Replacing a file never loses the old one.
#include "core/safesave.h"
#include "support/tempcwd.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>

class TestSafeSave : public QObject
{
    Q_OBJECT

private slots:
    void replacesWholeFile();
    void failureKeepsWhatWasThere();
    void previousVersionIsKept();
};

void TestSafeSave::replacesWholeFile()
{
    TempCwd cwd;
    cwd.write(QStringLiteral("a.txt"), QByteArray(1000, 'x'));
    QVERIFY(saveFileAtomically(QStringLiteral("a.txt"), "new").ok);
    QCOMPARE(cwd.read(QStringLiteral("a.txt")), QByteArray("new"));
    QCOMPARE(QDir(cwd.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.txt")});
}

void TestSafeSave::failureKeepsWhatWasThere()
{
    // (Read-only files are covered where the main window saves.)
    TempCwd cwd;
    const QByteArray old(100, 'o');
    cwd.write(QStringLiteral("a.txt"), old);
    QVERIFY(QDir(cwd.path()).mkdir(QStringLiteral("dir.txt")));

    // A folder in the way of the new file.
    SaveOutcome outcome = saveFileAtomically(QStringLiteral("dir.txt"), "new");
    QVERIFY(!outcome.ok && !outcome.error.isEmpty());
    QVERIFY(QFileInfo(cwd.filePath(QStringLiteral("dir.txt"))).isDir());

    // A write that stops short, as on a full disk: here a file-size limit.
    rlimit previous{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    outcome = saveFileAtomically(QStringLiteral("a.txt"), QByteArray(64 * 1024, 'n'));
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(!outcome.ok && !outcome.error.isEmpty());
    QCOMPARE(cwd.read(QStringLiteral("a.txt")), old);

    // Neither failure leaves a temporary file behind.
    QCOMPARE(QDir(cwd.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.txt")});
}

void TestSafeSave::previousVersionIsKept()
{
    TempCwd cwd;
    const QString ini = QStringLiteral("a.ini"), bak = QStringLiteral("a.ini.bak");
    QVERIFY(keepPreviousVersion(ini).ok()); // nothing there, nothing kept
    QVERIFY(!QFileInfo::exists(bak));

    // Larger than one piece of the copy; a second save keeps only the newer one.
    QByteArray first(200 * 1024, 'f');
    first[150 * 1024] = 'x';
    cwd.write(ini, first);
    QVERIFY(keepPreviousVersion(ini).ok());
    QCOMPARE(cwd.read(bak), first);
    cwd.write(ini, "second");
    QVERIFY(keepPreviousVersion(ini).ok());
    QCOMPARE(cwd.read(bak), QByteArray("second"));

    // A backup that cannot be written stops the save and leaves both files.
    QVERIFY(QFile::setPermissions(cwd.filePath(bak), QFileDevice::ReadOwner));
    cwd.write(ini, "third");
    BackupOutcome outcome = keepPreviousVersion(ini);
    QVERIFY(outcome.error == BackupError::CannotWriteBackup);
    QCOMPARE(outcome.path, bak);
    QCOMPARE(cwd.read(bak), QByteArray("second"));
    QVERIFY(QFile::remove(cwd.filePath(bak)));
    QVERIFY(QDir().mkdir(bak));
    QVERIFY(keepPreviousVersion(ini).error == BackupError::CannotWriteBackup);
    QCOMPARE(cwd.read(ini), QByteArray("third"));

    // A read-only file will not be replaced, so there is nothing to keep.
    QVERIFY(QFile::setPermissions(cwd.filePath(ini), QFileDevice::ReadOwner));
    QVERIFY(keepPreviousVersion(ini).ok());
    QVERIFY(QFileInfo(cwd.filePath(bak)).isDir());
}

QTEST_GUILESS_MAIN(TestSafeSave)
#include "tst_safesave.moc"
