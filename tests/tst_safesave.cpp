// Replacing a file never loses the old one, and leaves nothing behind.
#include "core/safesave.h"
#include "support/tempcwd.h"

#include <QtTest>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class TestSafeSave : public QObject
{
    Q_OBJECT

private slots:
    void replacesWholeFile()
    {
        TempCwd cwd;
        cwd.write(QStringLiteral("a.txt"), QByteArray(1000, 'x'));
        const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
        QVERIFY(QFile::setPermissions(QStringLiteral("a.txt"), permissions));
        // Left by killed saves: only this file's temporaries of ours, a minute
        // old, go; a younger one may belong to a save running now.
        const std::pair<const char *, int> leftovers[] = {
            {"a.txt.glyphmux-save-Ab12Cd", 120},      {"a.txt.glyphmux-save-Xy34Zw", 10}, {"b.txt.glyphmux-save-Ab12Cd", 120},
            {"a.txt.glyphmux-save-Ab12Cd.keep", 120}, {"a.txt.glyphmux-save-Ab12", 120},  {"a.txt.Ab12Cd", 120}};
        for (const auto &[name, ageSeconds] : leftovers) {
            QFile file{QLatin1String(name)};
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
        }
        QVERIFY(saveFileAtomically(QStringLiteral("a.txt"), "new").ok);
        QCOMPARE(cwd.read(QStringLiteral("a.txt")), QByteArray("new"));
        QCOMPARE(QFile::permissions(QStringLiteral("a.txt")) & 0x7077 /* owner, group, other */, permissions);
        QCOMPARE(QDir(cwd.path()).entryList(QDir::Files),
                 (QStringList{"a.txt", "a.txt.Ab12Cd", "a.txt.glyphmux-save-Ab12", "a.txt.glyphmux-save-Ab12Cd.keep",
                              "a.txt.glyphmux-save-Xy34Zw", "b.txt.glyphmux-save-Ab12Cd"}));
        // Only the exact bytes count as already saved; a folder or a missing file never does.
        QVERIFY(QDir(cwd.path()).mkdir(QStringLiteral("d")));
        const struct { const char *path, *bytes; bool holds; } rows[] = {
            {"a.txt", "new", true}, {"a.txt", "ne", false}, {"a.txt", "newer", false}, {"a.txt", "", false},
            {"missing", "", false}, {"d", "", false}};
        for (const auto &row : rows)
            QVERIFY2(fileHolds(QLatin1String(row.path), row.bytes) == row.holds, row.bytes);
        // A link stays a link; the file it names gets the bytes.
        QVERIFY(QFile::link(QStringLiteral("a.txt"), QStringLiteral("link.txt")));
        QVERIFY(saveFileAtomically(QStringLiteral("link.txt"), "linked").ok);
        QVERIFY(QFileInfo(QStringLiteral("link.txt")).isSymLink());
        QCOMPARE(cwd.read(QStringLiteral("a.txt")), QByteArray("linked"));
        // A target that is not UTF-8 is followed by its bytes, and a killed
        // save's temporary beside it goes too.
        const timeval old[2] = {{0, 0}, {0, 0}};
        QCOMPARE(::symlink("caf\xe9.txt", "latin.txt"), 0);
        QVERIFY(::close(::open("caf\xe9.txt.glyphmux-save-Ab12Cd", O_CREAT | O_WRONLY, 0600)) == 0
                && ::utimes("caf\xe9.txt.glyphmux-save-Ab12Cd", old) == 0);
        QVERIFY(saveFileAtomically(QStringLiteral("latin.txt"), "latin").ok);
        char bytes[8] = {};
        const int fd = ::open("caf\xe9.txt", O_RDONLY);
        QCOMPARE(::read(fd, bytes, sizeof bytes), 5);
        ::close(fd);
        QCOMPARE(QByteArray(bytes), QByteArray("latin"));
        QCOMPARE(::access("caf\xe9.txt.glyphmux-save-Ab12Cd", F_OK), -1);
        ::unlink("caf\xe9.txt"); // Qt's clean-up would not find it by name
    }

    void failureKeepsWhatWasThere()
    {
        TempCwd cwd;
        const QByteArray old(100, 'o');
        cwd.write(QStringLiteral("a.txt"), old);
        cwd.write(QStringLiteral("ro.txt"), old);
        QVERIFY(QFile::setPermissions(QStringLiteral("ro.txt"), QFileDevice::ReadOwner));
        // A folder or a pipe in the way of the new file (opening a pipe would block).
        QVERIFY(QDir(cwd.path()).mkdir(QStringLiteral("dir.txt")));
        QCOMPARE(::mkfifo("pipe.txt", 0600), 0);
        for (const auto &[name, kind] : {std::pair{"dir.txt", FileError::Kind::IsFolder}, std::pair{"ro.txt", FileError::Kind::ReadOnly},
                                         std::pair{"pipe.txt", FileError::Kind::NotRegular}}) {
            const SaveOutcome outcome = saveFileAtomically(QLatin1String(name), "new");
            QVERIFY(!outcome.ok);
            QCOMPARE(outcome.error.kind, kind);
            QCOMPARE(outcome.error.path, QLatin1String(name));
        }
        QVERIFY(QFileInfo(QStringLiteral("dir.txt")).isDir());
        QCOMPARE(cwd.read(QStringLiteral("ro.txt")), old);

        // Past a file-size limit, with the signal handling the program starts
        // with, the save fails and says so and the process lives on. Then, as
        // another user (root's child becomes one; else only group bits
        // allow writing), a file in a folder open to all is not replaced. In a
        // child, so that the limit and the user stay there.
        const bool root = ::geteuid() == 0;
        cwd.write(QStringLiteral("theirs.txt"), old);
        QVERIFY(QFile::setPermissions(cwd.path(), QFileDevice::Permissions(0x7777)));
        QVERIFY(QFile::setPermissions(QStringLiteral("theirs.txt"), root ? QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                         : QFileDevice::ReadGroup | QFileDevice::WriteGroup));
        const pid_t child = ::fork();
        if (child == 0) {
            ignoreFileSizeLimitSignal();
            const rlimit small{4096, 4096};
            ::setrlimit(RLIMIT_FSIZE, &small);
            const SaveOutcome outcome = saveFileAtomically(QStringLiteral("a.txt"), QByteArray(64 * 1024, 'n'));
            const SaveOutcome theirs = root && ::setuid(65534) != 0 ? SaveOutcome{} : saveFileAtomically(QStringLiteral("theirs.txt"), "n");
            ::_exit(!outcome.ok && outcome.error.kind == FileError::Kind::Write && theirs.error.kind == FileError::Kind::ReadOnly ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status), "the save killed the process");
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(cwd.read(QStringLiteral("a.txt")), old);
        // No failure leaves a temporary file behind.
        QCOMPARE(QDir(cwd.path()).entryList(QDir::Files), (QStringList{"a.txt", "ro.txt", "theirs.txt"}));
    }

    void previousVersionIsKept()
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

        // A backup that cannot be written, read-only or a folder, stops the
        // save and leaves both files.
        QVERIFY(QFile::setPermissions(cwd.filePath(bak), QFileDevice::ReadOwner));
        cwd.write(ini, "third");
        const BackupOutcome outcome = keepPreviousVersion(ini);
        QVERIFY(outcome.step == BackupError::CannotWriteBackup);
        QCOMPARE(outcome.error.path, bak);
        QCOMPARE(cwd.read(bak), QByteArray("second"));
        QVERIFY(QFile::remove(cwd.filePath(bak)));
        QVERIFY(QDir().mkdir(bak));
        QVERIFY(keepPreviousVersion(ini).step == BackupError::CannotWriteBackup);
        QCOMPARE(cwd.read(ini), QByteArray("third"));
        // A read-only file will not be replaced, so there is nothing to keep.
        QVERIFY(QFile::setPermissions(cwd.filePath(ini), QFileDevice::ReadOwner));
        QVERIFY(keepPreviousVersion(ini).ok());
        QVERIFY(QFileInfo(cwd.filePath(bak)).isDir());
    }
};

QTEST_GUILESS_MAIN(TestSafeSave)
#include "tst_safesave.moc"
