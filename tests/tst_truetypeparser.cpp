// Reading TrueType tables: name decoding, the locale rule, damaged files.
#include "fonts/truetypeparser.h"
#include "fonts/windowslocale.h"
#include "support/truetypebuilder.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <memory>

using namespace TestFonts;
using TrueType::FontTables;

namespace {

// Parses a copy in a buffer of exactly the file's size, so that the
// sanitizer build catches any read past the end.
FontTables parse(const QByteArray &file, bool validBefore = false)
{
    const auto exact = std::make_unique<char[]>(std::size_t(std::max<qsizetype>(file.size(), 1)));
    std::copy(file.begin(), file.end(), exact.get());
    return TrueType::readFontTables(MemorySource(QByteArrayView(exact.get(), file.size())), validBefore);
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

TrueType::NameTable table(const QList<Name> &names)
{
    return parse(buildTrueType(names)).names.value_or(TrueType::NameTable());
}

const QList<Name> goodNames = {
    windowsName(1, QStringLiteral("Probe")),
    windowsName(2, QStringLiteral("Regular")),
    windowsName(4, QStringLiteral("Probe Regular")),
};

} // namespace

class TestTrueTypeParser : public QObject
{
    Q_OBJECT

private slots:
    void decodesNameStrings_data();
    void decodesNameStrings();
    void nameLookupFollowsLocaleRule_data();
    void nameLookupFollowsLocaleRule();
    void styleBits();
    void readsGoodFile();
    void damagedFiles_data();
    void damagedFiles();
    void stringOutsideStorageIsDropped();
    void headlessFileFollowsPreviousVerdict();
    void everyTruncationFails();
    void readsSystemFonts();
    void windowsLocaleIds_data();
    void windowsLocaleIds();
};

void TestTrueTypeParser::decodesNameStrings_data()
{
    QTest::addColumn<int>("platform");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("windows 00 41 00 42") << 3 << bytes({0, 0x41, 0, 0x42}) << QStringLiteral("AB");
    QTest::newRow("mac 00 41 00 42") << 1 << bytes({0, 0x41, 0, 0x42}) << QStringLiteral("AB");
    QTest::newRow("mac 8-bit is Windows-1252") << 1 << bytes({'C', 'a', 'f', 0xE9, ' ', 0x80, 0x99})
                                               << QStringLiteral(u"Caf\u00E9 \u20AC\u2122");
    QTest::newRow("mac unassigned 1252 byte") << 1 << bytes({'x', 0x81}) << QStringLiteral(u"x\u0081");
    QTest::newRow("mac leading zero, odd length") << 1 << bytes({0, 0x41, 0}) << QStringLiteral("A");
    QTest::newRow("windows beyond Latin-1") << 3 << bytes({0x4E, 0x2D, 0x04, 0x1F}) << QStringLiteral(u"\u4E2D\u041F");
    QTest::newRow("unicode platform") << 0 << bytes({0x00, 0xE8, 0x20, 0xAC}) << QStringLiteral(u"\u00E8\u20AC");
    QTest::newRow("surrogate pair") << 3 << bytes({0xD8, 0x3D, 0xDE, 0x00}) << QStringLiteral(u"\U0001F600");
    QTest::newRow("lone high surrogate at end") << 3 << bytes({0, 0x41, 0xD8, 0x3D}) << QStringLiteral(u"A\uFFFD");
    QTest::newRow("lone low surrogate") << 3 << bytes({0xDC, 0x00, 0, 0x41}) << QStringLiteral(u"\uFFFDA");
    QTest::newRow("high then high") << 3 << bytes({0xD8, 0x00, 0xD8, 0x00, 0xDC, 0x00})
                                    << QStringLiteral(u"\uFFFD\U00010000");
    QTest::newRow("odd last byte dropped") << 3 << bytes({0, 0x41, 0}) << QStringLiteral("A");
    QTest::newRow("one byte") << 3 << bytes({0x41}) << QString();
}

void TestTrueTypeParser::decodesNameStrings()
{
    QFETCH(int, platform);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(TrueType::decodeNameString(std::uint16_t(platform), bytes), expected);
}

void TestTrueTypeParser::nameLookupFollowsLocaleRule_data()
{
    QTest::addColumn<QList<Name>>("names");
    QTest::addColumn<QString>("expected");
    const std::uint16_t here = 0x0410; // the system locale of these rows
    const auto win = [](const char *text, std::uint16_t lang) { return windowsName(1, QString::fromLatin1(text), lang); };

    QTest::newRow("system locale wins when first") << QList<Name>{win("Qui", here), win("There", 0x0409)} << QStringLiteral("Qui");
    QTest::newRow("system locale wins when last") << QList<Name>{win("There", 0x0409), win("Qui", here), win("Later", 0x0407)}
                                                  << QStringLiteral("Qui");
    QTest::newRow("later of two other locales") << QList<Name>{win("First", 0x0409), win("Second", 0x040C)} << QStringLiteral("Second");
    QTest::newRow("mac only") << QList<Name>{macName(1, "Mac")} << QStringLiteral("Mac");
    QTest::newRow("mac then windows") << QList<Name>{macName(1, "Mac"), win("Win", 0x0409)} << QStringLiteral("Win");
    QTest::newRow("windows then mac") << QList<Name>{win("Win", 0x0409), macName(1, "Mac")} << QStringLiteral("Win");
    QTest::newRow("two macs: first") << QList<Name>{macName(1, "One"), macName(1, "Two")} << QStringLiteral("One");
    QTest::newRow("empty record blocks nothing") << QList<Name>{win("", 0x0409), macName(1, "Mac")} << QStringLiteral("Mac");
    QTest::newRow("empty mac then windows") << QList<Name>{macName(1, ""), win("Win", 0x0409)} << QStringLiteral("Win");
    QTest::newRow("other name IDs skipped") << QList<Name>{windowsName(2, QStringLiteral("Bold"), here), win("Win", 0x0409)}
                                            << QStringLiteral("Win");
    QTest::newRow("absent") << QList<Name>{windowsName(4, QStringLiteral("Full"))} << QString();
}

void TestTrueTypeParser::nameLookupFollowsLocaleRule()
{
    QFETCH(QList<Name>, names);
    QFETCH(QString, expected);
    QCOMPARE(TrueType::nameString(table(names), 1, 0x0410), expected);
}

void TestTrueTypeParser::styleBits()
{
    const QList<int> set = {0, 5}; // 0x0021: italic and bold
    for (int bit = -1; bit <= 16; ++bit)
        QCOMPARE(TrueType::isBitSet(0x0021, bit), set.contains(bit));
    QVERIFY(TrueType::isBitSet(0x8000, 15));
    QVERIFY(!TrueType::isBitSet(0xFFFF, 16));
}

void TestTrueTypeParser::readsGoodFile()
{
    for (const std::uint16_t version : {0, 1}) {
        const FontTables t = parse(sfnt({
            {"OS/2", os2Table(0x0021, version)},
            {"name", nameTable(goodNames)},
            {"head", headTable()},
        }));
        QVERIFY(t.complete);
        QCOMPARE(t.validTrueType, std::optional<bool>(true));
        QCOMPARE(t.fsSelection, std::optional<std::uint16_t>(0x0021));
        QVERIFY(t.names);
        QCOMPARE(t.names->records.size(), 3);
        QCOMPARE(t.names->strings, QStringList({"Probe", "Regular", "Probe Regular"}));
        QCOMPARE(t.names->records[2].nameId, 4);
        QCOMPARE(t.names->records[2].length, 26);
    }
}

void TestTrueTypeParser::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("valid");    // -1: not read
    QTest::addColumn<bool>("names");   // a name table was taken
    QTest::addColumn<bool>("os2");     // fsSelection was read

    const QByteArray good = nameTable(goodNames);
    QByteArray tooManyRecords = good;
    tooManyRecords[3] = char(200); // count: 200 records of 12 bytes
    QByteArray storagePastEnd = good;
    storagePastEnd[4] = char(0xFF); // stringOffset past the table
    const auto file = [](QList<Table> tables, std::optional<std::uint16_t> n = std::nullopt) { return sfnt(tables, n); };

    QTest::newRow("empty file") << QByteArray() << -1 << false << false;
    QTest::newRow("short offset table") << QByteArray(11, '\0') << -1 << false << false;
    QTest::newRow("12 bytes, 0 tables") << file({}) << -1 << false << false;
    QTest::newRow("12 bytes, 0xFFFF tables") << file({}, 0xFFFF) << -1 << false << false;
    QTest::newRow("directory longer than file") << file({{"head", headTable()}}, 10) << -1 << false << false;
    QTest::newRow("head offset near 0xFFFFFFFF") << file({{"head", headTable(), 0xFFFFFFF0}}) << -1 << false << false;
    QTest::newRow("head length past end") << file({{"head", headTable(), std::nullopt, 0xFFFFFFFF}}) << -1 << false << false;
    QTest::newRow("head too short") << file({{"head", headTable().left(20)}}) << -1 << false << false;
    QTest::newRow("wrong head magic") << file({{"head", headTable(0x5F0F3CF6)}, {"name", good}}) << 0 << false << false;
    QTest::newRow("name table past the end") << file({{"head", headTable()}, {"name", good, 4000}}) << 1 << false << false;
    QTest::newRow("name length past end") << file({{"head", headTable()}, {"name", good, std::nullopt, 0xFFFFFFF0}}) << 1 << false << false;
    QTest::newRow("name header cut") << file({{"head", headTable()}, {"name", good.left(4)}}) << 1 << false << false;
    QTest::newRow("name count too big") << file({{"head", headTable()}, {"name", tooManyRecords}}) << 1 << false << false;
    QTest::newRow("string storage past table") << file({{"head", headTable()}, {"name", storagePastEnd}}) << 1 << false << false;
    QTest::newRow("OS/2 too short") << file({{"head", headTable()}, {"name", good}, {"OS/2", os2Table(1).left(60)}})
                                    << 1 << true << false;
    QTest::newRow("OS/2 past the end, name after") << file({{"head", headTable()}, {"OS/2", os2Table(1), 0x7FFFFFFF}, {"name", good}})
                                                   << 1 << false << false;
}

void TestTrueTypeParser::damagedFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(int, valid);
    QFETCH(bool, names);
    QFETCH(bool, os2);
    for (const bool before : {false, true}) {
        const FontTables t = parse(file, before);
        QVERIFY(!t.complete);
        QCOMPARE(t.validTrueType.has_value(), valid >= 0);
        if (valid >= 0)
            QCOMPARE(*t.validTrueType, valid == 1);
        QCOMPARE(t.names.has_value(), names);
        QCOMPARE(t.fsSelection.has_value(), os2);
    }
}

void TestTrueTypeParser::stringOutsideStorageIsDropped()
{
    QByteArray name = nameTable(goodNames);
    name[6 + 12 * 1 + 10] = char(0x7F); // record 1's string offset, far outside
    const FontTables t = parse(sfnt({{"head", headTable()}, {"name", name}, {"OS/2", os2Table(0x20)}}));
    QVERIFY(!t.complete);
    QVERIFY(t.names);
    QCOMPARE(t.names->strings, QStringList({"Probe", "", "Probe Regular"}));
    QCOMPARE(t.fsSelection, std::optional<std::uint16_t>(0x20)); // the walk went on
}

void TestTrueTypeParser::headlessFileFollowsPreviousVerdict()
{
    const QByteArray file = sfnt({{"name", nameTable(goodNames)}});
    const FontTables afterInvalid = parse(file, false);
    QVERIFY(!afterInvalid.validTrueType && !afterInvalid.names && !afterInvalid.complete);
    const FontTables afterValid = parse(file, true);
    QVERIFY(!afterValid.validTrueType);
    QVERIFY(afterValid.complete);
    QCOMPARE(afterValid.names->strings.first(), QStringLiteral("Probe"));
}

void TestTrueTypeParser::everyTruncationFails()
{
    const QByteArray file = buildTrueType(goodNames, 0x21);
    QVERIFY(parse(file).complete);
    for (qsizetype n = 0; n < file.size(); ++n) {
        const FontTables t = parse(file.left(n));
        // The OS/2 table ends with unused fields; cutting only those is harmless.
        if (t.complete)
            QVERIFY2(n >= file.size() - (86 - 64), qPrintable(QString::number(n)));
    }
}

void TestTrueTypeParser::readsSystemFonts()
{
    const QStringList files = QDir(QFileInfo(dejaVuPath(QStringLiteral("DejaVuSans.ttf"))).path())
                                  .entryList({QStringLiteral("*.ttf")}, QDir::Files);
    QVERIFY(files.contains(QStringLiteral("DejaVuSans.ttf")));
    for (const QString &name : files) {
        const FileSource source(dejaVuPath(name));
        const FontTables t = TrueType::readFontTables(source);
        QVERIFY2(t.complete && t.validTrueType.value_or(false) && t.fsSelection, qPrintable(name));
        QVERIFY2(TrueType::nameString(*t.names, 1, 0x0409).startsWith(QStringLiteral("DejaVu")), qPrintable(name));
    }
    QVERIFY(!FileSource(QStringLiteral("/nonexistent/font.ttf")).isOpen());
    QVERIFY(!FileSource(QDir::tempPath()).isOpen());
}

void TestTrueTypeParser::windowsLocaleIds_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("lcid");
    QTest::newRow("it_IT") << "it_IT" << 0x0410;
    QTest::newRow("it_CH") << "it_CH" << 0x0810;
    QTest::newRow("it_SM: the language's main one") << "it_SM" << 0x0410;
    QTest::newRow("en_US") << "en_US" << 0x0409;
    QTest::newRow("en_GB") << "en_GB" << 0x0809;
    QTest::newRow("de_AT") << "de_AT" << 0x0C07;
    QTest::newRow("zh_TW") << "zh_TW" << 0x0404;
    QTest::newRow("C") << "C" << 0x0409;
    QTest::newRow("unknown language") << "sw_KE" << 0x0409;
}

void TestTrueTypeParser::windowsLocaleIds()
{
    QFETCH(QString, locale);
    QFETCH(int, lcid);
    QCOMPARE(windowsLocaleId(QLocale(locale)), std::uint32_t(lcid));
}

QTEST_APPLESS_MAIN(TestTrueTypeParser)
#include "tst_truetypeparser.moc"
