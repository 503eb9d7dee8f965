// Replacing a file never loses the old one, and leaves nothing behind.
#include "core/safesave.h"
#include "support/tempcwd.h"

#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class TestSafeSave : public QObject
{
    Q_OBJECT

private slots:
    void replacesWholeFile();
    void failureKeepsWhatWasThere();
    void staleTemporariesOfOursGo();
};

void TestSafeSave::replacesWholeFile()
{
    TempCwd cwd;
    cwd.write(QStringLiteral("a.txt"), QByteArray(1000, 'x'));
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QVERIFY(QFile::setPermissions(QStringLiteral("a.txt"), permissions));
    QVERIFY(saveFileAtomically(QStringLiteral("a.txt"), "new").ok);
    QCOMPARE(cwd.read(QStringLiteral("a.txt")), QByteArray("new"));
    QCOMPARE(QFile::permissions(QStringLiteral("a.txt")) & 0x7077 /* owner, group, other */, permissions);
    QCOMPARE(QDir(cwd.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.txt")});
}

void TestSafeSave::failureKeepsWhatWasThere()
{
    // (Read-only files are covered where the main window saves.)
    TempCwd cwd;
    const QByteArray old(100, 'o');
    cwd.write(QStringLiteral("a.txt"), old);

    // A folder or a pipe in the way of the new file (opening a pipe would block).
    QVERIFY(QDir(cwd.path()).mkdir(QStringLiteral("dir.txt")));
    QCOMPARE(::mkfifo("pipe.txt", 0600), 0);
    for (const auto &[name, kind] : {std::pair{"dir.txt", FileError::Kind::IsFolder},
                                      std::pair{"pipe.txt", FileError::Kind::NotRegular}}) {
        const SaveOutcome outcome = saveFileAtomically(QLatin1String(name), "new");
        QVERIFY(!outcome.ok);
        QCOMPARE(outcome.error.kind, kind);
        QCOMPARE(outcome.error.path, QLatin1String(name));
    }
    struct stat st {};
    QVERIFY(QFileInfo(QStringLiteral("dir.txt")).isDir() && ::stat("pipe.txt", &st) == 0 && S_ISFIFO(st.st_mode));

    // A file-size limit, with the signal handling the program starts with:
    // the write falls short, the save fails and says so, the process lives
    // on. In a child, so that the limit stays there.
    const pid_t child = ::fork();
    if (child == 0) {
        ignoreFileSizeLimitSignal();
        const rlimit small{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &small);
        const SaveOutcome outcome = saveFileAtomically(QStringLiteral("a.txt"), QByteArray(64 * 1024, 'n'));
        ::_exit(!outcome.ok && outcome.error.kind == FileError::Kind::Write ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY2(WIFEXITED(status), "the save killed the process");
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(cwd.read(QStringLiteral("a.txt")), old);

    // No failure leaves a temporary file behind.
    QCOMPARE(QDir(cwd.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.txt")});
}

void TestSafeSave::staleTemporariesOfOursGo()
{
    // Left by killed saves. Only this file's temporaries of ours, a minute
    // old, go: a younger one may belong to a save running now.
    TempCwd cwd;
    const struct {
        const char *name;
        int age; // seconds
        bool stays;
    } files[] = {
        {"a.txt.glyphmux-save-Ab12Cd", 120, false},   {"a.txt.glyphmux-save-Xy34Zw", 10, true},
        {"b.txt.glyphmux-save-Ab12Cd", 120, true},    {"a.txt.glyphmux-save-Ab12Cd.keep", 120, true},
        {"a.txt.glyphmux-save-Ab12", 120, true},      {"a.txt.Ab12Cd", 120, true},
    };
    for (const auto &file : files) {
        QFile f(QLatin1String(file.name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-file.age), QFileDevice::FileModificationTime));
    }
    QVERIFY(saveFileAtomically(QStringLiteral("a.txt"), "new").ok);
    for (const auto &file : files)
        QVERIFY2(QFile::exists(QLatin1String(file.name)) == file.stays, file.name);
}

QTEST_GUILESS_MAIN(TestSafeSave)
#include "tst_safesave.moc"
