// Reading TrueType files: name decoding, the locale rule and damaged files;
// the reader and the shared font registry: faces found, registered while
// in use, drawn by their own names, and let go.
#include "fonts/fontfilereader.h"
#include "fonts/fontnames.h"
#include "fonts/fontregistry.h"
#include "fonts/truetypeparser.h"
#include "fonts/windowslocale.h"
#include "support/truetypebuilder.h"

#include <QElapsedTimer>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QRawFont>
#include <QtTest>

#include <memory>

using namespace TestFonts;

namespace {

// One read of 'file' in one line ('-': not read), from a buffer of exactly
// its size so that the sanitizer build catches any read past the end.
QString read(const QByteArray &file, bool validBefore = false)
{
    const auto exact = std::make_unique<char[]>(std::size_t(std::max<qsizetype>(file.size(), 1)));
    std::copy(file.begin(), file.end(), exact.get());
    const auto t = TrueType::readFontTables(MemorySource(QByteArrayView(exact.get(), file.size())), validBefore);
    const QString none = QStringLiteral("-");
    return (t.complete ? QStringLiteral("complete") : QStringLiteral("damaged"))
        + QStringLiteral(" valid=") + (t.validTrueType ? QString::number(*t.validTrueType) : none)
        + QStringLiteral(" names=") + (t.names ? t.names->strings.join(QLatin1Char('|')) : none)
        + QStringLiteral(" fs=") + (t.fsSelection ? QString::number(*t.fsSelection, 16) : none);
}

// Counts the bytes read through it.
struct CountingSource final : ByteSource
{
    explicit CountingSource(const ByteSource &inner) : inner(inner) {}
    std::uint64_t size() const override { return inner.size(); }
    std::optional<QByteArray> readAt(std::uint64_t offset, std::uint64_t len) const override
    {
        total += len;
        return inner.readAt(offset, len);
    }
    const ByteSource &inner;
    mutable std::uint64_t total = 0;
};

FontRegistry &registry() { return FontRegistry::instance(); }
Name win(std::uint16_t nameId, const char *text) { return windowsName(nameId, QString::fromLatin1(text)); }
// A record in an encoding the font system skips (99); the reader reads it all the same.
Name hidden(std::uint16_t nameId, const char *text) { return Name{3, 99, 0x0409, nameId, utf16be(QString::fromLatin1(text))}; }

// Name IDs 0..7 as the reader gives them.
QStringList namesOf(const FontFileReader &r)
{
    return {r.copyright(), r.familyName(), r.subfamilyName(), r.uniqueIdentifier(),
            r.fullName(), r.versionString(), r.postscriptName(), r.trademark()};
}

// The full name (ID 4) in the name table of the file Qt draws 'face' with,
// resolved by the registry on a 12-point font: tells exactly which file it is.
QString drawn(const QString &face, bool bold = false)
{
    QFont font(QGuiApplication::font().family(), 12, bold ? QFont::Bold : QFont::Normal);
    registry().applyFace(font, face);
    const QByteArray name = QRawFont::fromFont(font).fontTable("name");
    const auto t = TrueType::readFontTables(MemorySource(sfnt({{"head", headTable()}, {"name", name}})));
    return t.names ? TrueType::nameString(*t.names, TrueType::FullNameId, 0x0409) : QString();
}

} // namespace

class TestFontFileReader : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_files = 0;
    QString fileName() { return QString::number(++m_files) + QStringLiteral(".ttf"); }
    QString written(const QByteArray &bytes) { return writeFile(m_dir.filePath(fileName()), bytes); }
    // A real font under new names: a drawable face the system does not know.
    QString renamed(const QList<Name> &names, const QString &source = dejaVuPath("DejaVuSans.ttf"))
    { return writeRenamedFont(m_dir.path(), fileName(), names, source); }

private slots:
    void readsNamesAndStyleBits()
    {
        // In the system's locale; a later family record in another locale loses.
        const QStringList texts = {"(c) Glyphmux", "Glyphmux Shell", "Bold Italic", "Glyphmux Shell 1.0",
                                   "Glyphmux Shell Bold Italic", "Version 1.0", "GlyphmuxShell-BoldItalic", "Shell is a mark"};
        const auto here = std::uint16_t(windowsLocaleId(QLocale::system()));
        QList<Name> names;
        for (std::uint16_t id = 0; id < texts.size(); ++id)
            names.append(windowsName(id, texts[id], here));
        names.append(windowsName(1, "Elsewhere", here == 0x0410 ? 0x0409 : 0x0410));
        FontFileReader reader;
        // Names and style bits only: the system cannot draw it, nothing stays registered.
        const QString path = written(buildTrueType(names));
        reader.setFontFile(path);
        QCOMPARE(namesOf(reader), texts);
        QVERIFY(reader.isValidTrueType());
        QCOMPARE(reader.faceName(), QString());
        QVERIFY(!reader.isInstalled());
        QCOMPARE(registry().registrations(path), 0);
        // Each style bit alone: italic, underlined, strikeout, bold.
        for (const std::uint16_t bit : {0x01, 0x02, 0x10, 0x20}) {
            reader.setFontFile(written(buildTrueType(names, bit)));
            const QList<bool> bits = {reader.isItalic(), reader.isUnderlined(), reader.isStrikeOut(), reader.isBold()};
            QCOMPARE(bits, (QList<bool>{bit == 0x01, bit == 0x02, bit == 0x10, bit == 0x20}));
        }
        // A wrong head magic: the names and style bits of the previous file stay.
        const QString bad = written(sfnt({{"head", headTable(0)}, {"name", nameTable({win(1, "Second")})}, {"OS/2", os2Table(0x01)}}));
        reader.setFontFile(bad);
        QCOMPARE(reader.fontFile(), bad);
        QVERIFY(!reader.isValidTrueType());
        QVERIFY(reader.isBold());
        QCOMPARE(namesOf(reader), texts);
    }

    void registeredWhileAReaderUsesIt()
    {
        const QString face = QStringLiteral("Glyphmux Probe Shared");
        const QString path = renamed(familyNames(face, "Book"));
        auto quiet = std::make_unique<FontFileReader>(), loud = std::make_unique<FontFileReader>();
        loud->setFontFile(dejaVuPath("DejaVuSans.ttf")); // installed: nothing registered
        quiet->setFontFile(path);
        // Another spelling of the same path is the same file.
        loud->setFontFile(QFileInfo(path).path() + QStringLiteral("//./") + QFileInfo(path).fileName());
        // Our own registration does not make the face count as installed.
        QCOMPARE(loud->faceName(), face);
        QVERIFY(!loud->isInstalled());
        QCOMPARE(registry().registrations(path), 2);
        quiet.reset();
        QCOMPARE(drawn(face), face + QStringLiteral(" Book"));
        loud.reset();
        QVERIFY(!registry().isFaceKnown(face));
        // Qt keeps the file until unused files go together; asked for in any
        // case, its face must not be drawn from it.
        QVERIFY(QFontDatabase::families().contains(face));
        QVERIFY(drawn(face.toUpper()) != face + QStringLiteral(" Book"));

        // A collection of one drawable font, or a drawable font whose head is wrong: never registered.
        QFile source(renamed(familyNames("Glyphmux Probe Bundled", "Book")));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray font = source.readAll();
        QByteArray collection = QByteArray("ttcf\0\1\0\0\0\0\0\1\0\0\0\x10", 16) + font, wrongHead = font;
        for (int i = 0; i < qFromBigEndian<quint16>(font.constData() + 4); ++i) {
            const quint32 offset = qFromBigEndian<quint32>(font.constData() + 12 + 16 * i + 8);
            qToBigEndian(offset + 16, collection.data() + 16 + 12 + 16 * i + 8);
            if (font.mid(12 + 16 * i, 4) == "head")
                wrongHead[offset + 12] = 0; // the magic number
        }
        for (const QString &refused : {written(collection), written(wrongHead)}) {
            FontFileReader reader;
            reader.setFontFile(refused);
            QVERIFY(reader.faceName().isEmpty());
            QCOMPARE(registry().registrations(refused), 0);
        }
    }

    void missingPathKeepsPreviousFile()
    {
        // An installed face stays; a registered one is let go all the same.
        const QString installed = dejaVuPath("DejaVuSans-Bold.ttf");
        const QString face = QStringLiteral("Glyphmux Probe Left");
        const QString unknown = renamed(familyNames(face, "Book"));
        for (const QString &path : {QDir::tempPath(), QStringLiteral("/nonexistent/nothing.ttf"), QString()}) {
            FontFileReader reader;
            reader.setFontFile(installed);
            reader.setFontFile(path);
            QCOMPARE(reader.fontFile(), installed);
            QCOMPARE(reader.faceName(), QStringLiteral("DejaVu Sans"));
            QVERIFY(reader.isInstalled());
            reader.setFontFile(unknown);
            QCOMPARE(reader.faceName(), face);
            reader.setFontFile(path);
            QCOMPARE(reader.fontFile(), unknown);
            QCOMPARE(reader.faceName(), QString());
            QVERIFY(!registry().isFaceKnown(face));
        }
    }

    void facesUnderTheirOwnNames()
    {
        // File, face, full names of the files drawn for it regular and bold.
        // Installed: an ExtraLight Qt lists only under "DejaVu Sans" (its ID 1 is
        // "DejaVu Sans Light"); a family Qt knows itself, drawn as the system
        // matches. Not installed: a renamed ExtraLight; a Book of the same
        // typographic family; files whose ID 1 the font system skips, found by
        // ID 16 as family + subfamily, as the full name, or not at all.
        const QString lost = renamed({win(16, "Probe Lost")});
        const QString extraLight = dejaVuPath("DejaVuSans-ExtraLight.ttf");
        const QStringList cases[] = {
            {extraLight, "DejaVu Sans Light", "DejaVu Sans ExtraLight", "DejaVu Sans ExtraLight"},
            {dejaVuPath("DejaVuSansCondensed-Bold.ttf"), "DejaVu Sans Condensed", "DejaVu Sans Condensed", "DejaVu Sans Condensed Bold"},
            {renamed({win(1, "Probe Light"), win(4, "Probe ExtraLight"), win(16, "Probe"), win(17, "ExtraLight")}, extraLight),
             "Probe Light", "Probe ExtraLight", "Probe ExtraLight"},
            {renamed(familyNames("Probe", "Book")), "Probe", "Probe Book", "Probe Book"},
            {renamed({hidden(1, "Probe Pair"), win(2, "Wide"), win(4, "Probe Full Pair"), win(16, "Probe Pair Wide")}),
             "Probe Pair Wide", "Probe Full Pair", "Probe Full Pair"},
            {renamed({hidden(1, "Probe Hidden"), win(4, "Probe Full"), win(16, "Probe Full")}), "Probe Full", "Probe Full", "Probe Full"},
            // Named like an installed family in its name ID 1, which fontconfig skips: not that family.
            {renamed({hidden(1, "dejavu serif"), win(4, "Probe Case Full"), win(16, "Probe Case Full")}),
             "Probe Case Full", "Probe Case Full", "Probe Case Full"},
            {lost, "", "", ""},
        };
        {
            FontFileReader readers[std::size(cases)];
            for (std::size_t i = 0; i < std::size(cases); ++i) {
                readers[i].setFontFile(cases[i][0]);
                QCOMPARE(readers[i].faceName(), cases[i][1]);
                QCOMPARE(readers[i].isInstalled(), i < 2);
                QCOMPARE(cases[i][1].isEmpty() ? QString() : drawn(cases[i][1]), cases[i][2]);
                QCOMPARE(cases[i][1].isEmpty() ? QString() : drawn(cases[i][1], true), cases[i][3]);
            }
            // A file found under none of its names is not kept registered.
            QCOMPARE(registry().registrations(lost), 0);
        }
        QVERIFY(!registry().isFaceKnown(QStringLiteral("dejavu sans light"))); // exact case only
        // No face: the default family, without the style chosen before.
        QFont font(QStringLiteral("Serif"), 12);
        registry().applyFace(font, QStringLiteral("DejaVu Sans Light"));
        registry().applyFace(font, QString());
        QCOMPARE(font.family(), QGuiApplication::font().family());
        QCOMPARE(font.styleName(), QString());
    }

    void familyNamesComparedAsFontconfigDoes()
    {
        // Name ID 16, ID 1, and whether fontconfig takes them for one name: it then lists ID 16 alone.
        const std::tuple<const char16_t *, const char16_t *, bool> rows[] = {
            {u"Test Sans Old Style", u"test SansOldStyle ", true}, {u"Probe Stra\u00DFe \uFB01", u"PROBE STRASSE FI", true},
            {u"Probe Tab", u"Probe\tTab", false}, {u"Probe Space", u"Probe\u00A0Space", false}, {u"Probe", u"Probe-", false}};
        for (const auto &[typographic, family, same] : rows) {
            const QString a = QString::fromUtf16(typographic), b = QString::fromUtf16(family);
            QCOMPARE(std::pair(sameFontconfigName(a, b), sameFontconfigName(b, a)), std::pair(same, same));
            FontFileReader reader; // registers the file while it lives
            reader.setFontFile(renamed({windowsName(1, b), windowsName(16, a)}));
            QCOMPARE(FontFaces::available() ? FontFaces::applicationFileFaces(reader.fontFile()).size() : 2 - same, 2 - same);
        }
    }

    void nameStrings()
    {
        // 'bytes' is a string literal; the NULs in it count.
        const auto decodes = [](std::uint16_t platform, auto &&bytes, const QString &expected) {
            QCOMPARE(TrueType::decodeNameString(platform, QByteArrayView(bytes, sizeof bytes - 1)), expected);
        };
        decodes(3, "\0A\0B\0", QStringLiteral("AB"));                                     // odd last byte dropped
        decodes(1, "\0A\0B", QStringLiteral("AB"));                                       // Mac, leading zero: UTF-16BE of Latin-1
        decodes(1, "Caf\xE9 \x80\x99\x81", QStringLiteral(u"Caf\u00E9 \u20AC\u2122\u0081")); // Windows-1252, unassigned kept
        decodes(0, "\0\xE8\xD8\x3D\xDE\0", QStringLiteral(u"\u00E8\U0001F600"));          // Unicode platform, surrogate pair
        decodes(3, "\xDC\0\0A\xD8\x3D", QStringLiteral(u"\uFFFDA\uFFFD"));                // lone low, lone high at the end
        decodes(3, "\xD8\0\xD8\0\xDC\0", QStringLiteral(u"\uFFFD\U00010000"));            // high, then a pair

        // The locale rule. San Marino has no identifier of its own: Italian's
        // main one; Swahili none at all.
        const auto lcid = [](const char *name) { return windowsLocaleId(QLocale(QLatin1String(name))); };
        QCOMPARE(QList<std::uint32_t>({lcid("it_SM"), lcid("it_CH"), lcid("sw_KE")}), QList<std::uint32_t>({0x0410, 0x0810, 0x0409}));
        const std::uint16_t here = 0x0410;
        const auto win = [](const char *text, std::uint16_t lang) { return windowsName(1, QString::fromLatin1(text), lang); };
        const auto mac = [](const QByteArray &text) { return Name{1, 0, 0, 1, text}; };
        const auto finds = [&](const QList<Name> &names, const char *expected) {
            const auto t = TrueType::readFontTables(MemorySource(buildTrueType(names)));
            QCOMPARE(TrueType::nameString(t.names.value_or(TrueType::NameTable()), 1, here), QString::fromLatin1(expected));
        };
        finds({win("Qui", here), win("There", 0x0409)}, "Qui");                       // the system's locale, even first
        finds({win("There", 0x0409), win("Qui", here), win("Later", 0x0407)}, "Qui");
        // Else the later other locale; records of other IDs do not count.
        finds({win("First", 0x0409), windowsName(2, QStringLiteral("Bold"), here), win("Second", 0x040C)}, "Second");
        finds({mac("One"), mac("Two")}, "One");                                       // a Mac record only while nothing was found
        finds({mac("Mac"), win("Win", 0x0409)}, "Win");
        finds({win("", 0x0409), mac("Mac")}, "Mac");                                  // a zero-length record blocks nothing
        finds({mac("Mac"), win("", 0x0409)}, "");                                     // but overrides what came before
    }

    void readsTables_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("validBefore"); // the verdict on the previous file
        QTest::addColumn<QString>("expected");

        const QByteArray head = headTable();
        // 48 bytes: a file that ends with it has no padding to cut.
        const QByteArray name = nameTable({windowsName(1, QStringLiteral("Probe")), windowsName(2, QStringLiteral("Book"))});
        const auto withHead = [&](QList<Table> tables) { tables.prepend({"head", head}); return sfnt(tables); };
        const auto patched = [&](int at, char value) { QByteArray t = name; t[at] = value; return t; };
        const QString nothing = QStringLiteral("damaged valid=- names=- fs=-");
        QTest::newRow("sound, OS/2 version 0, any order") << sfnt({{"OS/2", os2Table(0x21, 0)}, {"head", head}, {"name", name}})
                                                          << false << "complete valid=1 names=Probe|Book fs=21";
        QTest::newRow("no head, after a valid file") << sfnt({{"name", name}}) << true << "complete valid=- names=Probe|Book fs=-";
        QTest::newRow("no head, after an invalid file") << sfnt({{"name", name}}) << false << nothing;
        QTest::newRow("12 bytes, 0 tables") << sfnt({}) << true << nothing;
        QTest::newRow("12 bytes, 0xFFFF tables") << sfnt({}, 0xFFFF) << true << nothing;
        QTest::newRow("head offset near 0xFFFFFFFF") << sfnt({{"head", head, 0xFFFFFFF0}}) << true << nothing;
        QTest::newRow("head length past end") << sfnt({{"head", head, std::nullopt, 0xFFFFFFFF}}) << true << nothing;
        // The names of the previous file stay.
        QTest::newRow("wrong magic") << sfnt({{"head", headTable(0x5F0F3CF6)}, {"name", name}}) << true << "damaged valid=0 names=- fs=-";
        const QString noNames = QStringLiteral("damaged valid=1 names=- fs=-");
        QTest::newRow("name header cut") << withHead({{"name", name.left(4)}}) << false << noNames;
        QTest::newRow("name count too big") << withHead({{"name", patched(3, char(200))}}) << false << noNames;
        QTest::newRow("string storage past table") << withHead({{"name", patched(4, char(0xFF))}}) << false << noNames;
        QTest::newRow("OS/2 past the end, name after") << withHead({{"OS/2", os2Table(1), 0x7FFFFFFF}, {"name", name}}) << false << noNames;
        // Record 1's string offset far outside: that string alone is lost, the walk goes on.
        QTest::newRow("string past the end") << withHead({{"name", patched(6 + 12 + 10, 0x7F)}, {"OS/2", os2Table(0x20)}})
                                             << false << "damaged valid=1 names=Probe| fs=20";
        // The last "name" taken wins; the walk stops at the first it cannot take,
        // even when that entry repeats an earlier table's offset with a bad length.
        const QByteArray second = nameTable({windowsName(1, QStringLiteral("Second")), windowsName(14, QStringLiteral("Licence URL"))});
        QTest::newRow("two name tables, strings of unused IDs left out") << withHead({{"name", name}, {"name", second}})
                                                                        << false << "complete valid=1 names=Second fs=-";
        QTest::newRow("a damaged name table between") << withHead({{"name", name}, {"name", name.left(4)}, {"name", second}})
                                                     << false << "damaged valid=1 names=Probe|Book fs=-";
        QTest::newRow("the same table again, cut short") << withHead({{"name", name}, {"name", {}, 12 + 16 * 4 + 56, 20}, {"name", second}})
                                                        << false << "damaged valid=1 names=Probe|Book fs=-";
        QList<Table> many;
        for (int k = 1; k <= 65; ++k)
            many.append({"name", nameTable({windowsName(1, QString::number(k))})});
        QTest::newRow("a 65th different name table") << withHead(many) << false << "damaged valid=1 names=64 fs=-";
        QTest::newRow("OS/2 too short") << withHead({{"name", name}, {"OS/2", os2Table(1).left(60)}})
                                        << false << "damaged valid=1 names=Probe|Book fs=-";
        // One byte short, with the next table's bytes right behind: nothing is read past its end.
        QTest::newRow("OS/2 one byte short") << withHead({{"OS/2", os2Table(0x21).left(63)}, {"name", name}}) << false << noNames;
        QTest::newRow("head one byte short") << sfnt({{"head", head.left(53)}, {"name", name}}) << false << nothing;
    }

    void readsTables()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, validBefore);
        QFETCH(QString, expected);
        QCOMPARE(read(file, validBefore), expected);
        // Any cut makes a complete read damaged.
        for (qsizetype n = 0; expected.startsWith(QStringLiteral("complete")) && n < file.size(); ++n)
            QVERIFY2(read(file.left(n), validBefore).startsWith(QStringLiteral("damaged")), qPrintable(QString::number(n)));
    }

    // Files that claim far more than they hold: only the bytes used are
    // read, and a table listed many times is read once.
    void hostileFilesCostWhatTheyAreWorth()
    {
        QTemporaryDir dir;
        const QString sparse = writeOverclaimingFont(dir.filePath(QStringLiteral("sparse.ttf")), true);
        const QString listed = writeOverclaimingFont(dir.filePath(QStringLiteral("repeated.ttf")), false);
        const QString expected = QStringLiteral("Hostile|Book|Hostile Book test build|Hostile Book|HostileBook|")
            + QString(TrueType::licenseBytesRead / 2, QLatin1Char('L'));

        for (const QString &path : {sparse, listed}) {
            const FileSource file(path);
            const CountingSource counted(file);
            QElapsedTimer watchdog;
            watchdog.start();
            const auto t = TrueType::readFontTables(counted);
            QVERIFY2(watchdog.elapsed() < 5000, qPrintable(path));
            QVERIFY(t.complete);
            QCOMPARE(t.names.value_or(TrueType::NameTable()).strings.join(QLatin1Char('|')), expected);
            QCOMPARE_LT(counted.total, 16 * 0xFFFF + 400 + TrueType::licenseBytesRead); // the directory, a little more
        }
    }
};

QTEST_MAIN(TestFontFileReader)
#include "tst_fontfilereader.moc"
