// Replacing a file never loses the old one.
#include "core/safesave.h"
#include "support/tempcwd.h"

#include <QFile>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

class TestSafeSave : public QObject
{
    Q_OBJECT

private slots:
    void replacesWholeFile();
    void readOnlyFileIsKept();
    void directoryInTheWay();
    void shortWriteKeepsOldFile();
};

void TestSafeSave::replacesWholeFile()
{
    TempCwd cwd;
    cwd.write(QStringLiteral("a.txt"), QByteArray(1000, 'x'));
    const SaveOutcome outcome = saveFileAtomically(QStringLiteral("a.txt"), "new");
    QVERIFY(outcome.ok);
    QVERIFY(outcome.error.isEmpty());
    QCOMPARE(cwd.read(QStringLiteral("a.txt")), QByteArray("new"));
    QCOMPARE(QDir(cwd.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.txt")});
}

void TestSafeSave::readOnlyFileIsKept()
{
    TempCwd cwd;
    cwd.write(QStringLiteral("a.txt"), "old");
    QFile::setPermissions(cwd.filePath(QStringLiteral("a.txt")), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    // Root could write it anyway; the program must not.
    const SaveOutcome outcome = saveFileAtomically(QStringLiteral("a.txt"), "new");
    QVERIFY(!outcome.ok);
    QVERIFY(!outcome.error.isEmpty());
    QCOMPARE(cwd.read(QStringLiteral("a.txt")), QByteArray("old"));
}

void TestSafeSave::directoryInTheWay()
{
    TempCwd cwd;
    QVERIFY(QDir(cwd.path()).mkdir(QStringLiteral("a.txt")));
    const SaveOutcome outcome = saveFileAtomically(QStringLiteral("a.txt"), "new");
    QVERIFY(!outcome.ok);
    QVERIFY(!outcome.error.isEmpty());
    QVERIFY(QFileInfo(cwd.filePath(QStringLiteral("a.txt"))).isDir());
    // No temporary file is left behind.
    QCOMPARE(QDir(cwd.path()).entryList(QDir::Files), QStringList());
}

void TestSafeSave::shortWriteKeepsOldFile()
{
    TempCwd cwd;
    const QByteArray old(100, 'o');
    cwd.write(QStringLiteral("a.txt"), old);

    // A file-size limit makes the write stop short, like a full disk.
    rlimit previous{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveOutcome outcome = saveFileAtomically(QStringLiteral("a.txt"), QByteArray(64 * 1024, 'n'));
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!outcome.ok);
    QVERIFY(!outcome.error.isEmpty());
    QCOMPARE(cwd.read(QStringLiteral("a.txt")), old);
    QCOMPARE(QDir(cwd.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.txt")});
}

QTEST_GUILESS_MAIN(TestSafeSave)
#include "tst_safesave.moc"
