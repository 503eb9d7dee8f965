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
    QVERIFY(!outcome.ok);
    QCOMPARE(outcome.error.kind, FileError::Kind::Open);
    QCOMPARE(outcome.error.path, QStringLiteral("dir.txt"));
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
    QVERIFY(!outcome.ok);
    QCOMPARE(outcome.error.kind, FileError::Kind::Write);
    QCOMPARE(cwd.read(QStringLiteral("a.txt")), old);

    // Neither failure leaves a temporary file behind.
    QCOMPARE(QDir(cwd.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.txt")});
}

QTEST_GUILESS_MAIN(TestSafeSave)
#include "tst_safesave.moc"
