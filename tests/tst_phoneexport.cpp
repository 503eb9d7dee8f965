// Export for the phone: what is planned, what lands in the target folder,
// and what a failure or a cancel leaves behind.
#include "core/exportwriter.h"
#include "core/glyphmuxini.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <sys/stat.h>

namespace {

using Tree = QMap<QString, QByteArray>; // relative path -> content; folders end in '/'

// Large contents by their hash, so that a failed comparison stays readable.
QByteArray content(const QByteArray &bytes)
{
    return bytes.size() < 1024 ? bytes : QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

const QByteArray bigFont(3 * 1024 * 1024 + 5, 'a');

Tree readTree(const QString &root)
{
    Tree tree;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString relative = QDir(root).relativeFilePath(info.filePath());
        if (info.isDir()) {
            tree.insert(relative + QLatin1Char('/'), {});
        } else if (!info.isFile()) {
            tree.insert(relative, "(not a regular file)");
        } else {
            QFile file(info.filePath());
            file.open(QIODevice::ReadOnly);
            tree.insert(relative, content(file.readAll()));
        }
    }
    return tree;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

const CopyListWords words{QStringLiteral("Copia i seguenti file:"), QStringLiteral("Not in this folder:"),
                          QStringLiteral("Already on the phone:")};

// Slots 1 and 3 from b.ttf (by two spellings of its path), slot 2 from the
// large a.ttf, slot 4 typed, slot 5 empty.
struct Scene {
    QTemporaryDir dir;
    QString source(const QString &name) const { return dir.filePath(QStringLiteral("src/") + name); }
    QString target() const { return dir.filePath(QStringLiteral("card")); }
    ExportRequest request;

    explicit Scene(PhoneFamily family)
    {
        writeFile(source(QStringLiteral("a.ttf")), bigFont);
        writeFile(source(QStringLiteral("b.ttf")), "bbbb");
        request.map = FontMap::initial();
        const char *faces[] = {"Beta", "Alpha", "Beta", "Nokia Sans", ""};
        for (std::size_t i = 0; i < SlotCount; ++i)
            request.map.slotValues[i].face = QString::fromLatin1(faces[i]);
        request.fontFiles = {source(QStringLiteral("b.ttf")), source(QStringLiteral("a.ttf")),
                             dir.filePath(QStringLiteral("src/../src/b.ttf")), QString(), QString()};
        request.family = family;
        request.targetFolder = target();
    }
};

QList<ExportProblem> problems(const ExportPlan &plan)
{
    QList<ExportProblem> list;
    for (const ExportIssue &finding : plan.findings)
        list << finding.problem;
    return list;
}

} // namespace

class TestPhoneExport : public QObject
{
    Q_OBJECT

private slots:
    void exportsTheFamilysTree_data();
    void exportsTheFamilysTree();
    void replacesOnlyWhenAsked();
    void failuresLeaveNoHalfFile_data();
    void failuresLeaveNoHalfFile();
};

void TestPhoneExport::exportsTheFamilysTree_data()
{
    QTest::addColumn<PhoneFamily>("family");
    QTest::addColumn<bool>("engineFolder");
    QTest::addColumn<QStringList>("libraries"); // copied from the engine folder
    QTest::addColumn<QStringList>("missing");   // listed as still to copy
    QTest::newRow("n70 family, no engine folder")
        << PhoneFamily::N70 << false << QStringList() << QStringList{QStringLiteral("glyphmux.dll")};
    QTest::newRow("6630 family, engine folder without freetype")
        << PhoneFamily::Model6630 << true << QStringList{QStringLiteral("glyphmux.dll")}
        << QStringList{QStringLiteral("freetype.dll")};
}

void TestPhoneExport::exportsTheFamilysTree()
{
    QFETCH(PhoneFamily, family);
    QFETCH(bool, engineFolder);
    QFETCH(QStringList, libraries);
    QFETCH(QStringList, missing);
    Scene scene(family);
    if (engineFolder) {
        scene.request.engineFolder = scene.dir.filePath(QStringLiteral("engine"));
        writeFile(scene.request.engineFolder + QStringLiteral("/GlyphMux.DLL"), "engine");
    }

    const ExportPlan plan = planExport(scene.request, words);
    QVERIFY(!plan.blocked());
    QVERIFY(!plan.replacesFiles());
    QList<ExportProblem> expectedFindings{ExportProblem::FaceWithoutFile};
    for (int i = 0; i < missing.size(); ++i)
        expectedFindings << ExportProblem::EngineFileMissing;
    QCOMPARE(problems(plan), expectedFindings);
    QCOMPARE(plan.findings[0].slot, 3);
    QCOMPARE(plan.findings[0].detail, QStringLiteral("Nokia Sans"));
    QCOMPARE(plan.findings.back().detail, missing.last());

    QList<qint64> progress;
    const ExportOutcome outcome = writeExport(plan, false, [&](qint64 done, qint64 total) {
        progress << done;
        return total == plan.totalBytes;
    });
    QVERIFY(outcome.ok());
    QVERIFY(outcome.notWritten.isEmpty());
    QCOMPARE(progress.last(), plan.totalBytes);
    QVERIFY(std::is_sorted(progress.begin(), progress.end()));

    QStringList copyList{words.heading};
    if (family == PhoneFamily::Model6630)
        copyList << QStringLiteral("c:\\system\\fonts\\freetype.dll");
    copyList << QStringLiteral("c:\\system\\fonts\\glyphmux.dll") << QStringLiteral("c:\\data\\fonts\\glyphmux.ini")
             << QStringLiteral("c:\\data\\fonts\\b.ttf") << QStringLiteral("c:\\data\\fonts\\a.ttf") << QString()
             << words.notIncluded;
    for (const QString &library : missing)
        copyList << QStringLiteral("c:\\system\\fonts\\") + library;
    copyList << QString() << words.alreadyOnPhone << QStringLiteral("LatinBold19: Nokia Sans");

    QStringList written{QStringLiteral("data/fonts/b.ttf"), QStringLiteral("data/fonts/a.ttf")};
    Tree expected{{QStringLiteral("data/"), {}}, {QStringLiteral("data/fonts/"), {}}};
    for (const QString &library : libraries) {
        written << QStringLiteral("system/fonts/") + library;
        expected.insert(written.last(), "engine");
        expected.insert(QStringLiteral("system/"), {});
        expected.insert(QStringLiteral("system/fonts/"), {});
    }
    written << QStringLiteral("data/fonts/glyphmux.ini") << QStringLiteral("COPY-TO-PHONE.txt");
    expected.insert(QStringLiteral("data/fonts/b.ttf"), "bbbb");
    expected.insert(QStringLiteral("data/fonts/a.ttf"), content(bigFont));
    expected.insert(QStringLiteral("data/fonts/glyphmux.ini"), content(glyphmuxIniBytes(scene.request.map)));
    expected.insert(QStringLiteral("COPY-TO-PHONE.txt"), (copyList.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    QCOMPARE(outcome.written, written);
    QCOMPARE(readTree(scene.target()), expected);
}

void TestPhoneExport::replacesOnlyWhenAsked()
{
    Scene scene(PhoneFamily::N70);
    QVERIFY(writeExport(planExport(scene.request, words), false).ok());
    scene.request.map.slotValues[0].size = QStringLiteral("30");
    const Tree before = readTree(scene.target());

    const ExportPlan again = planExport(scene.request, words);
    QVERIFY(again.replacesFiles());
    QCOMPARE(problems(again).count(ExportProblem::TargetExists), 4);
    ExportOutcome outcome = writeExport(again, false);
    QCOMPARE(outcome.failure.problem, ExportProblem::TargetExists);
    QCOMPARE(outcome.notWritten.size(), 4);
    QCOMPARE(readTree(scene.target()), before);

    outcome = writeExport(again, true);
    QVERIFY(outcome.ok());
    Tree after = before;
    after[QStringLiteral("data/fonts/glyphmux.ini")] = content(glyphmuxIniBytes(scene.request.map));
    QCOMPARE(readTree(scene.target()), after); // no kept copies or parts left
}

void TestPhoneExport::failuresLeaveNoHalfFile_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("foundBeforeWriting");
    QTest::addColumn<ExportProblem>("problem");
    QTest::addColumn<QString>("path"); // relative to the scene's folder
    QTest::addColumn<int>("systemError");
    QTest::addColumn<QStringList>("written");
    QTest::newRow("file in place of the target") << "target is a file" << true << ExportProblem::TargetBlocked
                                                 << "card" << 0 << QStringList();
    QTest::newRow("file in place of a folder, found first")
        << "data is a file" << true << ExportProblem::TargetBlocked << "card/data" << 0 << QStringList();
    QTest::newRow("file in place of a folder, met while writing")
        << "data becomes a file" << false << ExportProblem::CreateFolderFailed << "card/data" << ENOTDIR
        << QStringList();
    QTest::newRow("source vanished") << "a.ttf removed" << false << ExportProblem::SourceMissing << "src/a.ttf"
                                     << ENOENT << QStringList{QStringLiteral("data/fonts/b.ttf")};
    QTest::newRow("source is a pipe") << "b.ttf is a pipe" << true << ExportProblem::SourceNotRegular
                                      << "src/b.ttf" << 0 << QStringList();
    QTest::newRow("two files, one name on the phone")
        << "name clash" << true << ExportProblem::SameFileName << "src/b.ttf" << 0 << QStringList();
    QTest::newRow("cancel inside a large font")
        << "cancel" << false << ExportProblem::Cancelled << "" << 0 << QStringList();
    QTest::newRow("cancel at the last byte")
        << "cancel late" << false << ExportProblem::Cancelled << "" << 0 << QStringList();
}

void TestPhoneExport::failuresLeaveNoHalfFile()
{
    QFETCH(QString, fault);
    QFETCH(bool, foundBeforeWriting);
    QFETCH(ExportProblem, problem);
    QFETCH(QString, path);
    QFETCH(int, systemError);
    QFETCH(QStringList, written);
    Scene scene(PhoneFamily::Model6630);
    if (fault == QLatin1String("target is a file"))
        writeFile(scene.target(), "card");
    if (fault == QLatin1String("data is a file"))
        writeFile(scene.target() + QStringLiteral("/data"), "data");
    if (fault == QLatin1String("b.ttf is a pipe")) { // read, it would block forever
        QFile::remove(scene.source(QStringLiteral("b.ttf")));
        QCOMPARE(::mkfifo(QFile::encodeName(scene.source(QStringLiteral("b.ttf"))).constData(), 0644), 0);
    }
    if (fault == QLatin1String("name clash")) {
        writeFile(scene.dir.filePath(QStringLiteral("other/B.TTF")), "other");
        scene.request.fontFiles[4] = scene.dir.filePath(QStringLiteral("other/B.TTF"));
    }
    scene.request.engineFolder = scene.dir.filePath(QStringLiteral("engine"));
    writeFile(scene.request.engineFolder + QStringLiteral("/glyphmux.dll"), "engine");
    if (fault.startsWith(QLatin1String("cancel")))
        writeFile(scene.target() + QStringLiteral("/data/fonts/b.ttf"), "old"); // replaced, then put back

    const ExportPlan plan = planExport(scene.request, words);
    QCOMPARE(plan.blocked(), foundBeforeWriting);
    const Tree before = readTree(scene.dir.path());
    if (fault == QLatin1String("data becomes a file"))
        writeFile(scene.target() + QStringLiteral("/data"), "data");
    if (fault == QLatin1String("a.ttf removed"))
        QFile::remove(scene.source(QStringLiteral("a.ttf")));

    int calls = 0;
    const ExportOutcome outcome = writeExport(plan, true, [&](qint64 done, qint64 total) {
        // Inside a.ttf, after b.ttf has replaced the old one; or at the very
        // end, when system/fonts has been made and the last file is written.
        ++calls;
        return fault == QLatin1String("cancel") ? calls < 3 : fault != QLatin1String("cancel late") || done < total;
    });
    QCOMPARE(outcome.failure.problem, problem);
    QCOMPARE(outcome.failure.path, path.isEmpty() ? QString() : scene.dir.filePath(path));
    QCOMPARE(outcome.failure.systemError, systemError);
    QCOMPARE(outcome.written, written);
    QCOMPARE(outcome.written.size() + outcome.notWritten.size(), int(plan.items.size()));

    // Whatever stopped the export, the folder holds only complete files.
    Tree expected = before;
    if (fault == QLatin1String("data becomes a file")) {
        expected.insert(QStringLiteral("card/"), {});
        expected.insert(QStringLiteral("card/data"), "data");
    }
    if (fault == QLatin1String("a.ttf removed")) {
        expected.remove(QStringLiteral("src/a.ttf"));
        for (const char *folder : {"card/", "card/data/", "card/data/fonts/"})
            expected.insert(QString::fromLatin1(folder), {});
        expected.insert(QStringLiteral("card/data/fonts/b.ttf"), "bbbb");
    }
    QCOMPARE(readTree(scene.dir.path()), expected);
}

QTEST_GUILESS_MAIN(TestPhoneExport)
#include "tst_phoneexport.moc"
