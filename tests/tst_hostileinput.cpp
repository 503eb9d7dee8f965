// Odd files and files built to hang the program, flood its memory or forge
// lines of its files, each in the role it could play: every one finishes at
// once with the outcome of an unreadable file of its kind, says why where
// the user asked for it, and changes nothing else. A font's name cannot
// carry a line break into the field (nor so into a file).
#include "core/fontmap.h"
#include "core/glyphmuxini.h"
#include "core/localpath.h"
#include "core/usersettings.h"
#include "ui/commandline.h"
#include "fonts/fontrefusal.h"
#include "support/editorwindow.h"
#include "support/truetypebuilder.h"
#include "ui/fontmessages.h"
#include "ui/main/slotfontinfo.h"

#include <csignal>
#include <filesystem>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A blocked open() cannot be interrupted from the event loop: an alarm
// turns a hang into a failure that names the input.
char hangReport[160];
extern "C" void reportHang(int)
{
    (void)!::write(2, hangReport, qstrlen(hangReport));
    ::_exit(1);
}

enum class Role { Font, Settings, StoredLanguage, ChosenLanguage, SavedIni, OpenedIni, SettingsStore, ShownPath };

// Puts the hostile thing named 'kind' at 'path'; returns the path to give the program.
QString make(const QString &kind, const QString &path)
{
    using namespace TestFonts;
    const QByteArray file = QFile::encodeName(path);
    if (kind == QLatin1String("pipe"))
        return ::mkfifo(file.constData(), 0600) == 0 ? path : QString();
    if (kind == QLatin1String("socket")) { // its file stays after the close
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, file.constData(), sizeof address.sun_path);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound = ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
        ::close(fd);
        return bound ? path : QString();
    }
    if (kind == QLatin1String("device")) { // endless bytes, but only if it is a device (not in every container)
        struct stat st {};
        return ::stat("/dev/zero", &st) == 0 && S_ISCHR(st.st_mode) ? QStringLiteral("/dev/zero") : QString();
    }
    if (kind == QLatin1String("missing"))
        return path;
    if (kind == QLatin1String("link out")) // to a file of the test's own outside the folder
        return QFile::link(writeFile(QDir::current().filePath("outside.conf"), "[General]\nkept=1\n"), path) ? path : QString();
    if (kind == QLatin1String("markup")) { // "<b>x<img src=" / "dev" / "zero>.ini"
        const QString named = QFileInfo(path).path() + QStringLiteral("/<b>x<img src=/dev/zero>.ini");
        return QDir().mkpath(QFileInfo(named).path()) ? writeFile(named, "[FontMap]\nLatinBold12=A@12\n") : QString();
    }
    if (kind == QLatin1String("folder"))
        return QDir().mkdir(path) ? path : QString();
    const QByteArray hollow = buildTrueType(familyNames(QStringLiteral("Hollow"), QStringLiteral("Book"))); // nothing to draw
    if (kind == QLatin1String("collection"))
        return writeFile(path, QByteArray("ttcf\0\1\0\0\0\0\0\1\0\0\0\20", 16) + hollow);
    if (kind == QLatin1String("text"))
        return writeFile(path, "[Settings]\nLatinBold12x=1\n");
    if (kind == QLatin1String("damaged table"))
        return writeFile(path, sfnt({{"head", headTable()}, {"name", nameTable({}), 1u << 30}}));
    if (kind == QLatin1String("no usable name"))
        return writeFile(path, hollow);
    if (kind == QLatin1String("name with line breaks")) {
        const QString evil = QStringLiteral("Evil\r\n[Global]\r\nEnable=0\u2028\t\x01x");
        return writeRenamedFont(QFileInfo(path).path(), QFileInfo(path).fileName(), familyNames(evil, "Book"));
    }
    return writeOverclaimingFont(path, kind == QLatin1String("4 GB name table"));
}

long peakMemoryKiB()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

Q_DECLARE_METATYPE(Role)
Q_DECLARE_METATYPE(FontRefusal)

class TestHostileInput : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        qsnprintf(hangReport, sizeof hangReport, "FAIL: still busy after 5 s with %s\n", QTest::currentDataTag());
        std::signal(SIGALRM, reportHang);
        ::alarm(5);
    }
    void cleanup() { ::alarm(0); }

    void eachInputInItsRole_data()
    {
        QTest::addColumn<Role>("role");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<FontRefusal>("refusal"); // for a font
        QTest::newRow("font named with line breaks") << Role::Font << "name with line breaks" << FontRefusal::None;
        const std::pair<const char *, FontRefusal> fonts[] = {
            {"missing", FontRefusal::NotFound}, {"folder", FontRefusal::NotRegularFile}, {"pipe", FontRefusal::NotRegularFile},
            {"socket", FontRefusal::NotRegularFile}, {"collection", FontRefusal::Collection}, {"text", FontRefusal::NotTrueType},
            {"damaged table", FontRefusal::DamagedTable}, {"no usable name", FontRefusal::NoUsableName},
            {"4 GB name table", FontRefusal::NoUsableName}, {"one name table listed 65,534 times", FontRefusal::NoUsableName}};
        for (const auto &[kind, refusal] : fonts)
            QTest::addRow("font: %s", kind) << Role::Font << kind << refusal;
        QTest::newRow("settings.fs: pipe") << Role::Settings << "pipe" << FontRefusal::None;
        QTest::newRow("stored language: pipe") << Role::StoredLanguage << "pipe" << FontRefusal::None;
        for (const char *kind : {"pipe", "device"})
            QTest::addRow("chosen language: %s", kind) << Role::ChosenLanguage << kind << FontRefusal::None;
        QTest::newRow("Glyphmux.ini saved: pipe") << Role::SavedIni << "pipe" << FontRefusal::None;
        for (const char *kind : {"pipe", "device", "missing", "folder", "text"})
            QTest::addRow("Glyphmux.ini opened: %s", kind) << Role::OpenedIni << kind << FontRefusal::None;
        for (const char *kind : {"pipe", "link out"})
            QTest::addRow("settings store: %s", kind) << Role::SettingsStore << kind << FontRefusal::None;
        QTest::newRow("path that looks like markup") << Role::ShownPath << "markup" << FontRefusal::None;
    }
    void eachInputInItsRole()
    {
        QFETCH(Role, role);
        QFETCH(QString, kind);
        QFETCH(FontRefusal, refusal);
        const QString name = role == Role::Font ? "hostile.ttf" : role == Role::Settings ? "settings.fs"
                           : role == Role::SavedIni ? "Glyphmux.ini" : role == Role::OpenedIni ? "opened.ini" : "hostile.lng";
        QString path;
        // Settings and the stored language are read as the window starts.
        EditorWindow w([&](const TempCwd &cwd) {
            const QString store = userSettingsPath();
            if (role == Role::SettingsStore) { // in place of what earlier rows saved
                QDir().mkpath(QFileInfo(store).path());
                QFile::remove(store);
            }
            path = make(kind, role == Role::SettingsStore ? store : cwd.filePath(name));
            if (role == Role::StoredLanguage)
                cwd.write(QStringLiteral("settings.fs"), "False|" + path.toUtf8());
        });
        if (path.isEmpty() && kind == QLatin1String("device"))
            QSKIP("/dev/zero is not a character device here: no device to try");
        QVERIFY(!path.isEmpty());
        switch (role) {
        case Role::Font: {
            // After a good face: on a refusal only the face goes, and the bar below the
            // client area, which keeps its size and place, says why until the next good one.
            const QString good = TestFonts::dejaVuPath(QStringLiteral("DejaVuSans.ttf"));
            w.form.show();
            w.choose(1, good);
            const FontMap before = w.form.fontMap();
            const long memoryBefore = peakMemoryKiB();
            w.choose(1, path);
            QCOMPARE_LT(peakMemoryKiB() - memoryBefore, 64 * 1024);
            const QString status = w.form.statusBar()->isHidden() ? QString() : w.form.fontInfo().statusText();
            if (refusal == FontRefusal::None) {
                QCOMPARE(w.face(1)->text(), QStringLiteral("Evil[Global]Enable=0x"));
                QCOMPARE(status, QString());
                break;
            }
            QCOMPARE(w.face(1)->text(), QString());
            QCOMPARE(status, FontMessages::refusal(refusal, path));
            QVERIFY(status.contains(QDir::toNativeSeparators(path)));
            QCOMPARE(w.face(1)->toolTip(), status);
            FontMap after = w.form.fontMap(); // only the face and its file are emptied
            QCOMPARE(after.slotValues[1].file, QString());
            after.slotValues[1].face = before.slotValues[1].face;
            after.slotValues[1].file = before.slotValues[1].file;
            QVERIFY(after == before);
            QTRY_COMPARE(w.form.statusBar()->y(), w.form.menuBar()->height() + 388);
            QCOMPARE(w.form.centralWidget()->geometry(), QRect(0, w.form.menuBar()->height(), 744, 388));
            w.choose(1, good);
            QVERIFY(w.form.statusBar()->isHidden());
            break;
        }
        case Role::Settings: // the defaults; a second write is refused too, silently
            QVERIFY(w.get<QAction>("visualizza_pop")->isChecked());
            w.get<QAction>("visualizza_pop")->trigger();
            break;
        case Role::StoredLanguage: // the designed captions, silently
            QVERIFY(!w.get<QAction>("visualizza_pop")->isChecked());
            QCOMPARE(w.get<QLabel>("Label37")->text(), QStringLiteral("Altezza"));
            break;
        case Role::ChosenLanguage: // said so; nothing stored
            w.chooser.answer(path);
            w.get<QAction>("cmd_lang")->trigger();
            QVERIFY(w.messages.warned.value(0).contains(path));
            QCOMPARE(w.cwd.read(QStringLiteral("settings.fs")), QByteArray("True|\r\n"));
            break;
        case Role::SavedIni: // a failed save, said so
            QVERIFY(!w.form.writeIni());
            QVERIFY(w.messages.warned.value(0).contains(QStringLiteral("Glyphmux.ini")));
            break;
        case Role::SettingsStore: // kept in memory, said once; nothing reaches the file
            QVERIFY(w.form.statusBar()->currentMessage().contains(QDir::toNativeSeparators(path)));
            QVERIFY(w.form.writeIni()); // adds a recent file
            if (kind == QLatin1String("link out"))
                QCOMPARE(w.cwd.read("outside.conf"), QByteArray("[General]\nkept=1\n"));
            break;
        case Role::ShownPath: // as text in the status line, the tooltip and a real message box
            QVERIFY(w.form.openFile(path));
            QCOMPARE(w.get<QLabel>("saveTarget")->textFormat(), Qt::PlainText);
            QVERIFY(QTextDocumentFragment::fromHtml(w.get<QAction>("cmd_save")->toolTip()).toPlainText().endsWith(path));
            QTimer::singleShot(0, [] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                QVERIFY(box && box->textFormat() == Qt::PlainText);
                box->accept();
            });
            QtMessageBoxes().warn(&w.form, path);
            break;
        case Role::OpenedIni: { // said so; no control, redraw or status changes, and a save writes here as before
            w.face(0)->setText(QStringLiteral("Mine"));
            const QByteArray before = glyphmuxIniBytes(w.form.fontMap());
            w.refreshes.clear();
            QVERIFY(!w.form.openFile(path));
            QVERIFY(w.messages.warned.value(0).contains(QDir::toNativeSeparators(path)));
            QCOMPARE(w.face(0)->text(), QStringLiteral("Mine"));
            QCOMPARE(w.refreshes.size(), 0);
            QVERIFY(w.form.statusBar()->isHidden());
            QVERIFY(w.messages.lists.isEmpty());
            QVERIFY(w.form.writeIni());
            QCOMPARE(w.cwd.read(QStringLiteral("Glyphmux.ini")), before);
            break;
        }
        }
        const bool toldWhy = role == Role::ChosenLanguage || role == Role::SavedIni || role == Role::OpenedIni;
        QCOMPARE(w.messages.warned.size(), int(toldWhy));
        QVERIFY(w.messages.informed.isEmpty());
        if (kind == QLatin1String("pipe"))
            QVERIFY(std::filesystem::is_fifo(QFile::encodeName(path).toStdString()));
    }

    // Options (with their values) go to Qt, files stay bytes; after "--" all are files.
    void commandLineSplit()
    {
        QByteArrayList words{"gm", "-style", "fusion", "caf\xe9.ini", "--reverse", "-", "--", "-reverse", "--"};
        std::vector<char *> argv;
        for (QByteArray &word : words)
            argv.push_back(word.data());
        const SplitArguments split = splitArguments(int(argv.size()), argv.data());
        QCOMPARE(QByteArrayList(split.options.begin(), split.options.end() - 1), (QByteArrayList{"gm", "-style", "fusion", "--reverse"}));
        QCOMPARE(split.files, (QByteArrayList{"caf\xe9.ini", "-", "-reverse", "--"}));
    }

    // Any bytes a file name may hold come back exactly from the string that
    // carries them; Qt's file classes get only names they spell exactly.
    void fileNameBytesKept()
    {
        const struct { QByteArray bytes; bool forQt; } rows[] = {
            {"caf\xc3\xa9/\xf0\x9f\x98\x80.ini", true}, {"caf\xe9.ini", false}, {"\xc0\xaf", false} /* overlong '/' */,
            {"\xed\xa0\x80", false} /* a surrogate */, {"\xe2\x82", false} /* cut short */, {"\xef\xbf\xbd", false},
            {"\xf0\x90\x82\x80\xff", false} /* U+10080 is D800 DC80, beside an escaped byte */, {"", true}};
        for (const auto &row : rows) {
            const QString path = pathFromNativeName(row.bytes);
            QCOMPARE(nativeName(path), row.bytes);
            QVERIFY2(isLosslessPath(path) == row.forQt, row.bytes.toHex());
            QCOMPARE(readablePath(path).size(), path.size());
            QVERIFY(isLosslessPath(readablePath(path)) || readablePath(path).contains(QChar::ReplacementCharacter));
        }
        QCOMPARE(readablePath(pathFromNativeName("\xf0\x90\x82\x80\xff")), QString::fromUtf8("\xf0\x90\x82\x80\xef\xbf\xbd"));
        // What Qt decoded with loss, or a stray surrogate, has no bytes to give.
        for (const QString &lost : {QFile::decodeName("caf\xe9"), QString(QChar(0xD800)), QString(QChar(0xDC41))})
            QVERIFY(nativeName(lost).isNull());
    }
};

QTEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
