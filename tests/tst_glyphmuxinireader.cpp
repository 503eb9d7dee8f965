// Reading Glyphmux.ini back: our own files exactly, hand-edited ones as far
// as they make sense, with a note for everything not taken.
#include "core/glyphmuxini.h"
#include "core/glyphmuxinireader.h"
#include "support/tempcwd.h"

#include <QtTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(FontMap)

namespace {

QStringList described(const ParsedGlyphmuxIni &parsed)
{
    static const char *const kinds[] = {"UnknownKey",      "UnknownSection", "NotAKeyLine",
                                        "Repeated",        "ConstantDiffers", "AliasRewritten",
                                        "NotANumber",      "OutOfRange",     "UnknownSlotPart",
                                        "Undecodable"};
    QStringList out;
    for (const IniNote &note : parsed.notes)
        out << QString::number(note.line) + QLatin1Char(' ') + QLatin1String(kinds[int(note.kind)]);
    return out;
}

QByteArray utf16be(const QString &text)
{
    QByteArray bytes("\xFE\xFF");
    for (const QChar c : text)
        bytes += char(c.unicode() >> 8), bytes += char(c.unicode() & 0xFF);
    return bytes;
}

} // namespace

class TestGlyphmuxIniReader : public QObject
{
    Q_OBJECT

private slots:
    void ownFilesComeBackExactly_data();
    void ownFilesComeBackExactly();
    void handEditedFiles_data();
    void handEditedFiles();
    void filesThatAreNotTaken();
};

void TestGlyphmuxIniReader::ownFilesComeBackExactly_data()
{
    QTest::addColumn<FontMap>("map");
    const auto with = [](auto change) {
        FontMap map = FontMap::initial();
        change(map);
        return map;
    };
    QTest::newRow("initial") << FontMap::initial();
    QTest::newRow("faces") << with([](FontMap &m) {
        m.slotValues[0].face = QStringLiteral("Nokia Sans S60, Bold; x");
        m.slotValues[1].face = QStringLiteral("Шрифт Кириллица");
        m.slotValues[2].face = QStringLiteral("文泉驿 字体 𠀀");
        m.slotValues[3].face = QStringLiteral("@SimSun");
        m.slotValues[4].face = QStringLiteral("A:B@C = [D]");
    });
    QTest::newRow("every italic, heights, widths") << with([](FontMap &m) {
        for (auto &slot : m.slotValues) {
            slot.italic = true;
            slot.height = QStringLiteral("-3");
            slot.width = QStringLiteral("w@1");
            slot.size = QStringLiteral("316");
        }
    });
    QTest::newRow("limits") << with([](FontMap &m) {
        m.zoom = 1;
        m.chroma = QStringLiteral("0");
        m.fontPath = QStringLiteral("e:\\Шрифты\\*.ttf");
        m.slotValues[1].size = QStringLiteral("4");
    });
    QTest::newRow("zoom 300") << with([](FontMap &m) { m.zoom = 300; });
}

void TestGlyphmuxIniReader::ownFilesComeBackExactly()
{
    QFETCH(FontMap, map);
    const QByteArray bytes = encodeGlyphmuxIni(glyphmuxIniLines(map));
    const ParsedGlyphmuxIni parsed = parseGlyphmuxIni(bytes);
    QVERIFY(parsed.isGlyphmuxIni);
    QCOMPARE(described(parsed), QStringList());
    QCOMPARE(glyphmuxIniLines(parsed.map), glyphmuxIniLines(map));
    QVERIFY(parsed.map == map);
    QCOMPARE(encodeGlyphmuxIni(glyphmuxIniLines(parsed.map)), bytes);
}

void TestGlyphmuxIniReader::handEditedFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected"); // lines 7 to 16 that saving will write
    QTest::addColumn<QStringList>("notes");

    const auto written = [](const char *zoom, const char *chroma, const QStringList &slotLines) {
        return QStringList{QStringLiteral("ZoomRatio=") + QLatin1String(zoom),
                           QStringLiteral("Chroma=") + QLatin1String(chroma),
                           QStringLiteral("ExtraFontFile=\\data\\fonts\\*.*"),
                           QStringLiteral(";*******************************"), QStringLiteral("[FontMap]")}
            + slotLines;
    };
    QTest::newRow("LF, UTF-8, lower case, spaces, unknown key, Enable=0, no aliases")
        << QStringLiteral("[global]\n  enable = 0\nzoomratio = 150 \nChroma=40\nColour=red\n[ fontmap ]\n"
                          "latinbold12 = Nokia Sans S60 @ 14 :Y10:I:W8\nLATINBOLD13=Шрифт@13\n"
                          "LatinBold17=A:B@16:W3:Y2\nLatinBold19=@SimSun@20:Y5@6\nLatinPlain12=Plain\n")
               .toUtf8()
        << written("150", "40",
                   {QStringLiteral("LatinBold12=Nokia Sans S60@14:Y10:I:W8"),
                    QStringLiteral("LatinBold13=Шрифт@13:Y:W"), QStringLiteral("LatinBold17=A:B@16:Y2:W3"),
                    QStringLiteral("LatinBold19=@SimSun@20:Y5@6:W"), QStringLiteral("LatinPlain12=Plain@12:Y:W")})
        << QStringList{QStringLiteral("2 ConstantDiffers"), QStringLiteral("5 UnknownKey"),
                       QStringLiteral("11 NotANumber")};
    QTest::newRow("CR LF, Windows-1252, repeated key, ranges, aliases")
        << QByteArray("; mine\r\nZoomRatio=0\r\nChroma=abc\r\n[FontMap]\r\nLatinBold13=Caf\xe9 Gr\xfcn@12:I\r\n"
                      "LatinBold12=\xc0 @2\r\nLatinBold17=X@100000\r\nLatinBold13=Other@12\r\n"
                      "Alp13=Caf\xe9 Gr\xfcn@13:I\r\nAlp17=Caf\xe9 Gr\xfcn@17:I\r\nAcp5=Other@5\r\n")
        << written("1", "100",
                   {QStringLiteral("LatinBold12=À@5:Y:W"), QStringLiteral("LatinBold13=Café Grün@12:Y:I:W"),
                    QStringLiteral("LatinBold17=X@999:Y:W"), QStringLiteral("LatinBold19=@16:Y:W"),
                    QStringLiteral("LatinPlain12=@12:Y:W")})
        << QStringList{QStringLiteral("2 OutOfRange"),  QStringLiteral("3 NotANumber"),
                       QStringLiteral("6 OutOfRange"),  QStringLiteral("7 OutOfRange"),
                       QStringLiteral("8 Repeated"),    QStringLiteral("10 AliasRewritten"),
                       QStringLiteral("11 AliasRewritten")};
    QTest::newRow("UTF-16BE, CR, unknown part and section")
        << utf16be(QStringLiteral("[FontMap]\rLatinBold13=字体@12:Y:X\r\r[Extra]\rfoo=1\r[FontMap]\r"
                                  "LatinBold19=Z@17:y1:w2:i\r"))
        << written("100", "100",
                   {QStringLiteral("LatinBold12=@12:Y:W"), QStringLiteral("LatinBold13=字体@12:Y:W"),
                    QStringLiteral("LatinBold17=@16:Y:W"), QStringLiteral("LatinBold19=Z@17:Y1:I:W2"),
                    QStringLiteral("LatinPlain12=@12:Y:W")})
        << QStringList{QStringLiteral("2 UnknownSlotPart"), QStringLiteral("4 UnknownSection")};
    QTest::newRow("UTF-8 with BOM, damaged bytes, control characters")
        << QByteArray("\xEF\xBB\xBFLatinBold12=Bad\xff@13\nLatinBold13=Good@13\nLatinBold17=A\x01"
                      "B@13\nLatinBold19=Tab\tbed@13\njust text\n=1\nLatinPlain12=\xe2\x80\xa8@13\n")
        << written("100", "100",
                   {QStringLiteral("LatinBold12=@12:Y:W"), QStringLiteral("LatinBold13=Good@13:Y:W"),
                    QStringLiteral("LatinBold17=@16:Y:W"), QStringLiteral("LatinBold19=@16:Y:W"),
                    QStringLiteral("LatinPlain12=@12:Y:W")})
        << QStringList{QStringLiteral("1 Undecodable"), QStringLiteral("3 Undecodable"),
                       QStringLiteral("4 Undecodable"), QStringLiteral("5 NotAKeyLine"),
                       QStringLiteral("6 NotAKeyLine"), QStringLiteral("7 Undecodable")};
}

void TestGlyphmuxIniReader::handEditedFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, notes);
    const ParsedGlyphmuxIni parsed = parseGlyphmuxIni(file);
    QVERIFY(parsed.isGlyphmuxIni);
    QCOMPARE(glyphmuxIniLines(parsed.map).mid(6, 10), expected);
    QCOMPARE(described(parsed), notes);
}

void TestGlyphmuxIniReader::filesThatAreNotTaken()
{
    TempCwd cwd;
    const QByteArray good = encodeGlyphmuxIni(glyphmuxIniLines(FontMap::initial()));
    cwd.write(QStringLiteral("good.ini"), good);
    cwd.write(QStringLiteral("other.ini"), "[Other]\nLatinBold12=x@12\nhello\n");
    cwd.write(QStringLiteral("empty.ini"), QByteArray());
    cwd.write(QStringLiteral("huge.ini"), good + QByteArray(maxGlyphmuxIniBytes, ';'));
    QVERIFY(QDir().mkdir(QStringLiteral("folder.ini")));
    QCOMPARE(mkfifo("pipe.ini", 0600), 0); // opening it to read would block

    const QList<std::pair<const char *, IniReadError>> cases = {
        {"good.ini", IniReadError::None},          {"missing.ini", IniReadError::NotAFile},
        {"folder.ini", IniReadError::NotAFile},    {"pipe.ini", IniReadError::NotAFile},
        {"huge.ini", IniReadError::TooLarge},      {"other.ini", IniReadError::NotGlyphmuxIni},
        {"empty.ini", IniReadError::NotGlyphmuxIni}};
    for (const auto &[name, error] : cases) {
        const GlyphmuxIniFile read = readGlyphmuxIniFile(QLatin1String(name));
        QVERIFY2(read.error == error, name);
        QCOMPARE(read.path, cwd.filePath(QLatin1String(name)));
    }
    QVERIFY(readGlyphmuxIniFile(QStringLiteral("good.ini")).content.map == FontMap::initial());

    // A flood of lines not taken keeps only the first notes.
    const ParsedGlyphmuxIni flood = parseGlyphmuxIni("[FontMap]\n" + QByteArray(maxIniNotes + 50, '\n').replace("\n", "x\n"));
    QCOMPARE(flood.notes.size(), maxIniNotes);
    QCOMPARE(flood.notesLeftOut, 50);
    QCOMPARE(flood.notes.last().line, maxIniNotes + 1);
}

QTEST_GUILESS_MAIN(TestGlyphmuxIniReader)
#include "tst_glyphmuxinireader.moc"
