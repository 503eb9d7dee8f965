// Reading TrueType tables: name decoding, the locale rule, damaged files.
#include "fonts/truetypeparser.h"
#include "fonts/windowslocale.h"
#include "support/truetypebuilder.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
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

} // namespace

class TestTrueTypeParser : public QObject
{
    Q_OBJECT

private slots:
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
        QList<Name> names = familyNames(QStringLiteral("Hostile"), QStringLiteral("Book"));
        names.append(windowsName(13, QString(30000, QLatin1Char('L')))); // a 60 KB licence: only its start is read
        const QByteArray name = nameTable(names);
        const std::uint32_t fourGigabytes = 0xFFFFFF00;
        // Sparse: the "name" entry's length runs to the end of a 4 GB file.
        const QString sparse = writeFile(dir.filePath(QStringLiteral("sparse.ttf")),
                                         sfnt({{"head", headTable()}, {"OS/2", os2Table(0x20)}, {"name", name, std::nullopt, fourGigabytes}}));
        QVERIFY(QFile::resize(sparse, 12 + 16 * 3 + 56 + 88 + qint64(fourGigabytes)));
        QList<Table> repeated = {{"head", headTable()}};
        for (int k = 0; k < 0xFFFE - 1; ++k)
            repeated.append({"name", {}, 12 + 16 * 0xFFFF + 56, std::uint32_t(name.size())});
        repeated.append({"name", name});
        const QString listed = writeFile(dir.filePath(QStringLiteral("repeated.ttf")), sfnt(repeated));
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

QTEST_APPLESS_MAIN(TestTrueTypeParser)
#include "tst_truetypeparser.moc"
