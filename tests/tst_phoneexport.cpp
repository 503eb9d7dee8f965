// Export for the phone: what is planned, what lands in the target folder,
// and what a failure or a cancel leaves behind.
#include "core/exportwriter.h"
#include "core/glyphmuxini.h"
#include "support/tempcwd.h"
#include "ui/exporttexts.h"

#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Tree = QMap<QString, QByteArray>; // relative path -> content; folders end in '/'
const QByteArray bigFont(3 * 1024 * 1024 + 5, 'a');
const CopyListWords words{"Copy these:", "Not in this folder:", "Already on the phone:", "May not use:",
                          [](const ExportIssue &i) { return QStringLiteral("%1 %2 %3").arg(i.slot).arg(QFileInfo(i.path).fileName(), i.detail); }};

// Large contents by their hash, so that a failed comparison stays readable.
QByteArray content(const QByteArray &bytes)
{
    return bytes.size() < 1024 ? bytes : QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

Tree readTree(const QString &root)
{
    Tree tree;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString relative = QDir(root).relativeFilePath(info.filePath());
        QFile file(info.filePath());
        if (info.isDir())
            tree.insert(relative + u'/', {});
        else // a pipe is not opened: that would block
            tree.insert(relative, info.isFile() && file.open(QIODevice::ReadOnly) ? content(file.readAll()) : "(not a regular file)");
    }
    return tree;
}

// Slots 1 and 3 from b.ttf (by two spellings of its path), slot 2 from the
// large a.ttf, slot 4 typed, slot 5 empty.
struct Scene {
    TempCwd dir;
    ExportRequest request;
    QString source(const QString &name) const { return dir.filePath("src/" + name); }
    QString target() const { return dir.filePath("card"); }
    void link(const QString &name, const QString &to) const { QVERIFY(QFile::link(dir.filePath(to), dir.filePath(name))); }
    void pipe(const QString &name) const
    {
        QDir().mkpath(QFileInfo(dir.filePath(name)).path());
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(name)).constData(), 0644), 0);
    }

    explicit Scene(PhoneFamily family)
    {
        dir.write("src/a.ttf", bigFont);
        dir.write("src/b.ttf", "bbbb");
        request.map = FontMap::initial();
        const char *faces[] = {"Beta", "Alpha", "Beta", "Nokia Sans", ""};
        for (std::size_t i = 0; i < SlotCount; ++i)
            request.map.slotValues[i].face = QString::fromLatin1(faces[i]);
        request.fontFiles = {source("b.ttf"), source("a.ttf"), dir.filePath("src/../src/b.ttf"), QString(), QString()};
        request.family = family;
        request.targetFolder = target();
    }
};

} // namespace

class TestPhoneExport : public QObject
{
    Q_OBJECT

private slots:
    void exportsTheFamilysTree_data()
    {
        QTest::addColumn<PhoneFamily>("family");
        QTest::addColumn<QString>("library"); // copied from the engine folder, if any
        QTest::addColumn<QString>("missing"); // listed as still to copy
        QTest::newRow("n70 family, no engine folder") << PhoneFamily::N70 << "" << "glyphmux.dll";
        QTest::newRow("6630 family, engine folder without freetype") << PhoneFamily::Model6630 << "glyphmux.dll" << "freetype.dll";
    }
    void exportsTheFamilysTree()
    {
        QFETCH(PhoneFamily, family);
        QFETCH(QString, library);
        QFETCH(QString, missing);
        Scene scene(family);
        if (!library.isEmpty())
            scene.request.engineFolder = QFileInfo(scene.dir.write("engine/GlyphMux.DLL", "engine")).path();
        const ExportPlan plan = planExport(scene.request, words);
        QCOMPARE(plan.findings.size(), std::size_t(2));
        QCOMPARE(plan.findings[0].problem, ExportProblem::FaceWithoutFile);
        QCOMPARE(plan.findings[0].slot, 3);
        QCOMPARE(plan.findings[0].detail, QStringLiteral("Nokia Sans"));
        QCOMPARE(plan.findings[1].problem, ExportProblem::EngineFileMissing);
        QCOMPARE(plan.findings[1].detail, missing);
        // Another file giving a face a slot already takes: told, as the phone cannot tell them apart.
        ExportRequest twice = scene.request;
        twice.map.slotValues[4].face = QStringLiteral("Alpha");
        twice.fontFiles[4] = scene.source("b.ttf");
        const ExportIssue same = planExport(twice, words).findings[1];
        QCOMPARE(std::tuple(same.problem, same.slot, same.path), std::tuple(ExportProblem::SameFaceName, 4, scene.source("a.ttf")));

        QList<qint64> progress;
        ExportOutcome outcome = writeExport(plan, false, [&](qint64 done, qint64 total) {
            progress << done;
            return total == plan.totalBytes;
        });
        QVERIFY(outcome.ok());
        QVERIFY(outcome.notWritten.isEmpty());
        QCOMPARE(progress.last(), plan.totalBytes);
        QVERIFY(std::is_sorted(progress.begin(), progress.end()));
        const QString copyList = words.heading + (family == PhoneFamily::N70 ? "" : "\r\nc:\\system\\fonts\\freetype.dll")
            + "\r\nc:\\system\\fonts\\glyphmux.dll\r\nc:\\data\\fonts\\glyphmux.ini\r\nc:\\data\\fonts\\b.ttf\r\nc:\\data\\fonts\\a.ttf\r\n\r\n"
            + words.notIncluded + "\r\nc:\\system\\fonts\\" + missing + "\r\n\r\n" + words.alreadyOnPhone + "\r\nLatinBold19: Nokia Sans\r\n";
        Tree expected{{"data/", {}}, {"data/fonts/", {}}, {"data/fonts/b.ttf", "bbbb"}, {"data/fonts/a.ttf", content(bigFont)},
                      {"data/fonts/glyphmux.ini", content(glyphmuxIniBytes(scene.request.map))}, {"COPY-TO-PHONE.txt", copyList.toUtf8()}};
        QStringList written{"data/fonts/b.ttf", "data/fonts/a.ttf"};
        if (!library.isEmpty()) {
            written << "system/fonts/" + library;
            expected.insert({{"system/", {}}, {"system/fonts/", {}}, {written.last(), "engine"}});
        }
        written << "data/fonts/glyphmux.ini" << "COPY-TO-PHONE.txt";
        QCOMPARE(outcome.written, written);
        QCOMPARE(readTree(scene.target()), expected);

        // Changed: nothing replaced unless asked, then no kept copies or parts left.
        scene.request.map.slotValues[0].size = "30";
        const ExportPlan again = planExport(scene.request, words);
        QVERIFY(again.replacesFiles());
        const auto replaced = std::count_if(again.findings.begin(), again.findings.end(),
                                            [](const ExportIssue &issue) { return issue.problem == ExportProblem::TargetExists; });
        QCOMPARE(qsizetype(replaced), written.size());
        outcome = writeExport(again, false);
        QCOMPARE(outcome.failure.problem, ExportProblem::TargetExists);
        QCOMPARE(outcome.notWritten.size(), written.size());
        QCOMPARE(readTree(scene.target()), expected);
        QVERIFY(writeExport(again, true).ok());
        expected["data/fonts/glyphmux.ini"] = content(glyphmuxIniBytes(scene.request.map));
        QCOMPARE(readTree(scene.target()), expected);
    }

    // Fonts the phone may not use are exported all the same, with a line in
    // the findings and in the copy list: once per slot, whichever file.
    void warnsOfFontsThePhoneMayNotUse()
    {
        Scene scene(PhoneFamily::N70);
        scene.request.fontNotes = {FontUseNote{false, "àé"}, {true, {}}, {true, "ß"}, {true, "x"}}; // slot 3 typed: no file
        const ExportPlan plan = planExport(scene.request, words);
        QList<int> problems;
        for (const ExportIssue &issue : plan.findings)
            problems << int(issue.problem);
        using P = ExportProblem;
        QCOMPARE(problems, (QList<int>{int(P::MissingCharacters), int(P::PostScriptOutlines), int(P::PostScriptOutlines),
                                       int(P::MissingCharacters), int(P::FaceWithoutFile), int(P::EngineFileMissing)}));
        QVERIFY(!plan.blocked());
        QCOMPARE(plan.items.size(), std::size_t(4)); // both fonts, the configuration, the copy list
        QVERIFY(QString::fromUtf8(plan.items.back().bytes)
                    .endsWith("\r\n\r\nMay not use:\r\n0 b.ttf àé\r\n1 a.ttf \r\n2 b.ttf \r\n2 b.ttf ß\r\n"));
    }

    void failuresLeaveNoHalfFile_data()
    {
        QTest::addColumn<bool>("foundBeforeWriting");
        QTest::addColumn<ExportProblem>("problem");
        QTest::addColumn<QString>("path"); // relative to the scene's folder
        QTest::addColumn<int>("systemError");
        QTest::newRow("target is a file") << true << ExportProblem::TargetBlocked << "card" << 0;
        QTest::newRow("data is a file") << true << ExportProblem::TargetBlocked << "card/data" << 0;
        QTest::newRow("data becomes a file while writing") << false << ExportProblem::TargetBlocked << "card/data" << 0;
        QTest::newRow("data/fonts becomes a link while writing") << false << ExportProblem::TargetNotPlain << "card/data/fonts" << 0;
        QTest::newRow("a.ttf removed") << false << ExportProblem::SourceMissing << "src/a.ttf" << ENOENT;
        QTest::newRow("b.ttf is a pipe") << true << ExportProblem::SourceNotRegular << "src/b.ttf" << 0;
        QTest::newRow("two files, one name on the phone") << true << ExportProblem::SameFileName << "src/b.ttf" << 0;
        QTest::newRow("a font named like the configuration") << true << ExportProblem::SameFileName << "" << 0;
        QTest::newRow("a dangling link in the way") << true << ExportProblem::TargetNotPlain << "card/data/fonts/b.ttf" << 0;
        QTest::newRow("cancel inside a large font") << false << ExportProblem::Cancelled << "" << 0;
        QTest::newRow("cancel at the last byte") << false << ExportProblem::Cancelled << "" << 0;
    }
    void failuresLeaveNoHalfFile()
    {
        const QString fault = QTest::currentDataTag();
        QFETCH(bool, foundBeforeWriting);
        QFETCH(ExportProblem, problem);
        QFETCH(QString, path);
        QFETCH(int, systemError);
        Scene scene(PhoneFamily::Model6630);
        if (fault == "target is a file")
            scene.dir.write("card", "card");
        if (fault == "data is a file")
            scene.dir.write("card/data", "data");
        if (fault == "b.ttf is a pipe") { // read, it would block forever
            QFile::remove(scene.source("b.ttf"));
            QCOMPARE(::mkfifo(QFile::encodeName(scene.source("b.ttf")).constData(), 0644), 0);
        }
        if (fault == "two files, one name on the phone")
            scene.request.fontFiles[4] = scene.dir.write("other/B.TTF", "other");
        if (fault == "a font named like the configuration")
            scene.request.fontFiles[4] = scene.dir.write("other/GlyphMux.INI", "font");
        if (fault == "a dangling link in the way") { // nothing may appear where it points
            QVERIFY(QDir().mkpath(scene.dir.filePath("card/data/fonts")));
            QVERIFY(QFile::link(scene.dir.filePath("outside.ttf"), scene.dir.filePath("card/data/fonts/b.ttf")));
        }
        scene.request.engineFolder = QFileInfo(scene.dir.write("engine/glyphmux.dll", "engine")).path();
        if (fault.startsWith("cancel") || fault == "a.ttf removed")
            scene.dir.write("card/data/fonts/b.ttf", "old"); // replaced, then put back

        const ExportPlan plan = planExport(scene.request, words);
        QCOMPARE(plan.blocked(), foundBeforeWriting);
        if (fault == "data becomes a file while writing")
            scene.dir.write("card/data", "data");
        if (fault == "data/fonts becomes a link while writing") {
            QDir().mkpath(scene.dir.filePath("card/data"));
            scene.link("card/data/fonts", "src");
        }
        if (fault == "a.ttf removed")
            QFile::remove(scene.source("a.ttf"));
        Tree expected = readTree(scene.dir.path());
        int calls = 0;
        const ExportOutcome outcome = writeExport(plan, true, [&](qint64 done, qint64 total) {
            // Inside a.ttf, after b.ttf has replaced the old one; or at the very
            // end, when system/fonts has been made and the last file is written.
            ++calls;
            if (fault == "part gone before its rename") // the rename into place fails
                QFile::remove(scene.dir.filePath("card/data/fonts/.b.ttf.glyphmux-part"));
            return fault == "cancel inside a large font" ? calls < 3 : fault != "cancel at the last byte" || done < total;
        });
        QCOMPARE(outcome.failure.problem, problem);
        const QString configuration = fault.contains("configuration") ? PhoneFolders::configuration() : QString();
        QCOMPARE(outcome.failure.path, path.isEmpty() ? configuration : scene.dir.filePath(path));
        QCOMPARE(outcome.failure.systemError, systemError);
        QCOMPARE(outcome.written, QStringList());
        QCOMPARE(outcome.notWritten.size(), int(plan.items.size()));
        // Whatever stopped the export, the folders are as they were.
        QCOMPARE(readTree(scene.dir.path()), expected);
    }

    // Things planted in the target, or left there by a killed export. Nothing
    // is ever written outside the target, nothing hangs, and the report says
    // what happened. 'after' lists files that must then hold a content, or
    // be gone ("-").
    void plantedThingsInTheTarget_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<Tree>("after");
        const QByteArray ini = glyphmuxIniBytes(Scene(PhoneFamily::N70).request.map);
        const Tree exported{{"card/data/fonts/glyphmux.ini", content(ini)}, {"card/data/fonts/b.ttf", "bbbb"}};
        QTest::newRow("links as part files") << "Exported to" << exported;
        QTest::newRow("pipes as part files") << "Exported to" << exported;
        QTest::newRow("data/fonts links outside")
            << "card/data/fonts is in the way: it is a link, a pipe or a device, and the export never writes through or over one."
            << Tree{{"card/data/fonts/b.ttf", "-"}};
        QTest::newRow("a pipe in place of a font") << "card/data/fonts/b.ttf is in the way: it is a link" << Tree{};
        QTest::newRow("a link in place of the ini") << "card/data/fonts/glyphmux.ini is in the way: it is a link" << Tree{};
        QTest::newRow("stale names in capitals")
            << "card/data/fonts/GLYPHMUX.INI is in the way: the phone ignores letter case, so it would clash with "
            << Tree{{"card/data/fonts/GLYPHMUX.INI", "stale"}, {"card/data/fonts/b.ttf", "-"}};
        QTest::newRow("debris of a killed export")
            << "Put back after an interrupted export:\n  data/fonts/old.ttf\n\n3 leftover file(s) of an interrupted export removed.\n\nExported to"
            << Tree{{"card/data/fonts/old.ttf", "old"}, {"card/data/fonts/kept.ttf", "new"}, {"card/data/fonts/.glyphmux-old-1", "-"},
                    {"card/data/fonts/.glyphmux-old-2", "-"}, {"card/data/fonts/.glyphmux-part-1", "-"},
                    {"card/data/fonts/.glyphmux.ini.glyphmux-part", "-"}, {"card/.glyphmux-export-journal", "-"},
                    {"card/data/fonts/glyphmux.ini", content(ini)}};
        QTest::newRow("a name of 250 bytes") << "Exported to" << Tree{{"card/data/fonts/" + QString(246, u'n') + ".ttf", "bbbb"}};
    }
    void plantedThingsInTheTarget()
    {
        const QString row = QTest::currentDataTag();
        QFETCH(QString, message);
        QFETCH(Tree, after);
        Scene scene(PhoneFamily::N70);
        scene.dir.write("outside/victim", "victim");
        QDir().mkpath(scene.dir.filePath("card/data/fonts"));
        for (const char *part : {"card/data/fonts/.glyphmux-part-1", "card/data/fonts/.glyphmux.ini.glyphmux-part"}) {
            if (row == "links as part files")
                scene.link(part, "outside/victim");
            if (row == "pipes as part files")
                scene.pipe(part);
        }
        if (row == "data/fonts links outside") {
            QDir(scene.dir.filePath("card/data/fonts")).removeRecursively();
            scene.link("card/data/fonts", "outside");
        }
        if (row == "a pipe in place of a font")
            scene.pipe("card/data/fonts/b.ttf");
        if (row == "a link in place of the ini")
            scene.link("card/data/fonts/glyphmux.ini", "outside/victim");
        if (row == "stale names in capitals") {
            scene.dir.write("card/data/fonts/GLYPHMUX.INI", "stale");
            scene.dir.write("card/data/fonts/B.TTF", "stale");
        }
        if (row == "debris of a killed export") {
            // Killed after setting aside old.ttf, and after kept.ttf was replaced.
            scene.dir.write("card/.glyphmux-export-journal",
                            QByteArray("data/fonts\0.glyphmux-old-1\0old.ttf\0data/fonts\0.glyphmux-old-2\0kept.ttf\0"
                                       "data/fonts\0.glyphmux-old-3\0gone.ttf\0", 85));
            scene.dir.write("card/data/fonts/.glyphmux-old-1", "old");
            scene.dir.write("card/data/fonts/.glyphmux-old-2", "previous");
            scene.dir.write("card/data/fonts/kept.ttf", "new");
            scene.link("card/data/fonts/.glyphmux-old-3", "outside/victim"); // not ours: left alone
            scene.dir.write("card/data/fonts/.glyphmux-part-1", "half");
            scene.dir.write("card/data/fonts/.glyphmux.ini.glyphmux-part", "half");
        }
        if (row == "a name of 250 bytes")
            scene.request.fontFiles[0] = scene.request.fontFiles[2] = scene.dir.write("src/" + QString(246, u'n') + ".ttf", "bbbb");
        const Tree outside = readTree(scene.dir.filePath("outside"));
        const Tree before = readTree(scene.target());

        ::alarm(5); // a hang ends the test here
        QCOMPARE(hasExportLeftovers(scene.target()), row == "debris of a killed export");
        const ExportRecovery recovered = recoverInterruptedExport(scene.target());
        const ExportPlan plan = planExport(scene.request, words);
        const ExportOutcome outcome = writeExport(plan, true);
        ::alarm(0);
        QStringList report{ExportTexts::recoveryText(recovered)};
        for (const ExportIssue &finding : plan.findings)
            if (stopsExport(finding.problem))
                report << ExportTexts::describe(finding);
        if (!plan.blocked())
            report << ExportTexts::outcomeText(plan, outcome);
        report.removeAll(QString());
        const QString said = report.join("\n\n").replace(scene.dir.path() + '/', "");
        QVERIFY2(said.contains(message), qPrintable(said));
        QCOMPARE(outcome.ok(), !plan.blocked());
        QVERIFY(!hasExportLeftovers(scene.target()));

        QCOMPARE(readTree(scene.dir.filePath("outside")), outside);
        if (plan.blocked())
            QCOMPARE(readTree(scene.target()), before);
        const Tree now = readTree(scene.dir.path());
        for (auto it = after.cbegin(); it != after.cend(); ++it)
            QCOMPARE(now.value(it.key(), "-"), it.value());
    }

    // A file-size limit stops the export inside the large font: the font it
    // had already replaced comes back, and nothing new stays.
    void failedExportPutsEverythingBack()
    {
        Scene scene(PhoneFamily::Model6630);
        scene.request.engineFolder = QFileInfo(scene.dir.write("engine/glyphmux.dll", "engine")).path();
        for (const char *old : {"card/data/fonts/b.ttf", "card/data/fonts/glyphmux.ini", "card/COPY-TO-PHONE.txt"})
            scene.dir.write(old, "old");
        const Tree before = readTree(scene.dir.path());
        const ExportPlan plan = planExport(scene.request, words);
        const pid_t child = ::fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{1 << 20, 1 << 20};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            const ExportOutcome outcome = writeExport(plan, true);
            const bool sound = outcome.failure.problem == ExportProblem::WriteFailed && outcome.failure.systemError == EFBIG
                && outcome.written.isEmpty() && ExportTexts::outcomeText(plan, outcome).endsWith(
                    "Nothing was changed: the files it had replaced were put back, and those it had written were removed.");
            ::_exit(sound ? 0 : 1);
        }
        int status = -1;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(readTree(scene.dir.path()), before);
    }
};

QTEST_GUILESS_MAIN(TestPhoneExport)
#include "tst_phoneexport.moc"
