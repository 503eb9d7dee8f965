// The font map and its file: the document announces each edit once,
// Glyphmux.ini is written from the map alone (no value can add a line), our
// own files read back exactly, and hand-edited ones as far as they make sense.
#include "core/fontmapdocument.h"
#include "core/glyphmuxini.h"
#include "core/glyphmuxinireader.h"
#include "core/settingsstore.h"
#include "support/expectedini.h"
#include "support/tempcwd.h"

#include <QtTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(FontMap)

using Field = FontMapDocument::Field;

namespace {

// "line kind, line kind, ..."
QString described(const ParsedGlyphmuxIni &parsed)
{
    static const QStringList kinds = QStringLiteral("UnknownKey UnknownSection NotAKeyLine Repeated ConstantDiffers "
                                                    "AliasRewritten NotANumber OutOfRange UnknownSlotPart Undecodable")
                                         .split(u' ');
    QStringList out;
    for (const IniNote &note : parsed.notes)
        out << QString::number(note.line) + u' ' + kinds[int(note.kind)];
    return out.join(QStringLiteral(", "));
}

} // namespace

class TestGlyphmuxIni : public QObject
{
    Q_OBJECT

private slots:
    void eachFieldIsOneEdit()
    {
        const QString x = QStringLiteral("x");
        const struct { Field field; int slot; std::function<void(FontMapDocument &)> edit; } edits[] = {
            {Field::Face, 0, [&](FontMapDocument &d) { d.setFace(0, x); }},
            {Field::Size, 1, [&](FontMapDocument &d) { d.setSize(1, x); }},
            {Field::Height, 2, [&](FontMapDocument &d) { d.setHeight(2, x); }},
            {Field::Italic, 3, [&](FontMapDocument &d) { d.setItalic(3, true); }},
            {Field::Width, 4, [&](FontMapDocument &d) { d.setWidth(4, x); }},
            {Field::Zoom, -1, [&](FontMapDocument &d) { d.setZoom(7); }},
            {Field::Chroma, -1, [&](FontMapDocument &d) { d.setChroma(x); }},
            {Field::FontPath, -1, [&](FontMapDocument &d) { d.setFontPath(x); }},
        };
        for (const auto &e : edits) {
            FontMapDocument doc;
            QSignalSpy spy(&doc, &FontMapDocument::changed);
            e.edit(doc);
            e.edit(doc); // the same value again is no edit
            QCOMPARE(spy.size(), 1);
            QCOMPARE(spy[0][0].value<Field>(), e.field);
            QCOMPARE(spy[0][1].toInt(), e.slot);
            QVERIFY(doc.map() != FontMap::initial());

            // A whole map brings back the other's values, announcing only what differs.
            FontMapDocument other;
            QSignalSpy otherSpy(&other, &FontMapDocument::changed);
            other.setMap(doc.map());
            QCOMPARE(other.map(), doc.map());
            QCOMPARE(otherSpy.size(), 1);
        }
    }

    void italicFeedsAliasLines()
    {
        // By slot, the aliases (0-based among the 14) that follow its italic flag.
        const QList<int> italicAliases[] = {{6, 13}, {0, 3, 4, 7, 9, 11}, {1, 2, 5, 8}, {10, 12}, {}};
        for (int slot = 0; slot < 5; ++slot) {
            FontMap map = FontMap::initial();
            map.slotValues[slot].italic = true;
            const QStringList lines = glyphmuxIniLines(map);
            for (int s = 0; s < 5; ++s)
                QCOMPARE(lines[11 + s].contains(QStringLiteral(":I")), s == slot);
            QStringList aliases = plainAliasLines(QString());
            for (int a : italicAliases[slot])
                aliases[a] += QStringLiteral(":I");
            QCOMPARE(lines.mid(17, 14), aliases);
        }
    }

    void textFields()
    {
        // Every control character (C0, DEL, C1) and the Unicode line and paragraph
        // separators become spaces, as the reader would refuse them; all else passes.
        const QString plain = QStringLiteral(" Шрифт, 字体; e:\\Шрифты\\*.ttf a;b ");
        const std::pair<QString, QString> cases[] = {
            {plain, plain},
            {QStringLiteral("a\r\n[Global]\r\nEnable=0\u2028\u2029\t\x1f\x7f\u0085\u00e9"),
             QStringLiteral("a  [Global]  Enable=0      \u00e9")},
        };
        for (const auto &[value, written] : cases) {
            FontMap map = FontMap::initial();
            map.chroma = map.fontPath = value;
            map.slotValues[1] = {value, value, value, false, value, {}};
            const QStringList lines = glyphmuxIniLines(map);
            QCOMPARE(lines.size(), 32);
            QCOMPARE(lines.mid(7, 2), (QStringList{"Chroma=" + written, "ExtraFontFile=" + written}));
            QCOMPARE(lines[12], QStringLiteral("LatinBold13=%1@%1:Y%1:W%1").arg(written));
            QCOMPARE(lines.mid(17, 14), plainAliasLines(written));
            QCOMPARE(encodeGlyphmuxIni(lines), utf16FileBytes(lines));
            QCOMPARE(formatSettingsFile(false, value), QByteArray("False|") + written.toUtf8() + "\r\n");
        }
    }

    void ownFilesComeBackExactly_data()
    {
        QTest::addColumn<FontMap>("map");
        FontMap texts = FontMap::initial(), numbers = FontMap::initial();
        const QString faces[] = {"Nokia Sans S60, Bold; x", "Шрифт Кириллица", "文泉驿 字体 𠀀", "@SimSun", "A:B@C = [D]"};
        for (int i = 0; i < 5; ++i)
            texts.slotValues[i].face = faces[i];
        texts.zoom = 1;
        texts.chroma = QStringLiteral("0");
        texts.fontPath = QStringLiteral("e:\\Шрифты\\*.ttf");
        texts.slotValues[1].size = QStringLiteral("4");
        for (auto &slot : numbers.slotValues)
            slot = {QString(), QStringLiteral("316"), QStringLiteral("-3"), true, QStringLiteral("w@1"), {}};
        numbers.zoom = 300;
        QTest::newRow("initial") << FontMap::initial();
        QTest::newRow("faces, lower limits") << texts;
        QTest::newRow("every italic, heights, widths, upper limits") << numbers;
    }

    void ownFilesComeBackExactly()
    {
        QFETCH(FontMap, map);
        const ParsedGlyphmuxIni parsed = parseGlyphmuxIni(encodeGlyphmuxIni(glyphmuxIniLines(map)));
        QVERIFY(parsed.isGlyphmuxIni);
        QCOMPARE(described(parsed), QString());
        QCOMPARE(glyphmuxIniLines(parsed.map), glyphmuxIniLines(map));
    }

    void handEditedFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("lines"); // zoom, chroma and slots, as saving will write them
        QTest::addColumn<QString>("notes");
        QTest::newRow("LF, UTF-8, lower case, spaces, unknown key, Enable=0, no aliases")
            << QStringLiteral("[global]\n  enable = 0\nzoomratio = 150 \nChroma=40\nColour=red\n[ fontmap ]\n"
                              "latinbold12 = Nokia Sans S60 @ 14 :Y10:I:W8\nLATINBOLD13=Шрифт@13\n"
                              "LatinBold17=A:B@16:W3:Y2\nLatinBold19=@SimSun@20:Y5@6\nLatinPlain12=Plain\n").toUtf8()
            << QStringList{"ZoomRatio=150", "Chroma=40", "LatinBold12=Nokia Sans S60@14:Y10:I:W8", "LatinBold13=Шрифт@13:Y:W",
                           "LatinBold17=A:B@16:Y2:W3", "LatinBold19=@SimSun@20:Y5@6:W", "LatinPlain12=Plain@12:Y:W"}
            << "2 ConstantDiffers, 5 UnknownKey, 11 NotANumber";
        QTest::newRow("CR LF, Windows-1252, repeated key, ranges, aliases")
            << QByteArray("; mine\r\nZoomRatio=0\r\nChroma=abc\r\n[FontMap]\r\nLatinBold13=Caf\xe9 Gr\xfcn@12:I\r\n"
                          "LatinBold12=\xc0 @2\r\nLatinBold17=X@100000\r\nLatinBold13=Other@12\r\n"
                          "Alp13=Caf\xe9 Gr\xfcn@13:I\r\nAlp17=Caf\xe9 Gr\xfcn@17:I\r\nAcp5=Other@5\r\n")
            << QStringList{"ZoomRatio=1", "Chroma=100", "LatinBold12=À@5:Y:W", "LatinBold13=Café Grün@12:Y:I:W",
                           "LatinBold17=X@999:Y:W", "LatinBold19=@16:Y:W", "LatinPlain12=@12:Y:W"}
            << "2 OutOfRange, 3 NotANumber, 6 OutOfRange, 7 OutOfRange, 8 Repeated, 10 AliasRewritten, 11 AliasRewritten";
        QTest::newRow("UTF-16BE, CR, unknown part and section, no size after any @, odd last byte")
            << QByteArray(QStringEncoder(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom)
                              .encode(u"[FontMap]\rLatinBold17=a@b@c\rLatinBold13=字体@12:Y:X\r\r[Extra]\rfoo=1\r"
                                      u"[FontMap]\rLatinBold19=Z@17:y1:w2:i\r")) + 'A'
            << QStringList{"ZoomRatio=100", "Chroma=100", "LatinBold12=@12:Y:W", "LatinBold13=字体@12:Y:W",
                           "LatinBold17=a@b@16:Y:W", "LatinBold19=Z@17:Y1:I:W2", "LatinPlain12=@12:Y:W"}
            << "2 NotANumber, 3 UnknownSlotPart, 5 UnknownSection, 9 Undecodable";
        QTest::newRow("UTF-8 with BOM, damaged bytes, control characters")
            << QByteArray("\xEF\xBB\xBFLatinBold12=Bad\xff@13\nLatinBold13=Good@13\nLatinBold17=A\x01"
                          "B@13\nLatinBold19=Tab\tbed@13\njust text\n=1\nLatinPlain12=\xe2\x80\xa8@13\nLatinPlain12=\xc2\x85@13\n")
            << QStringList{"ZoomRatio=100", "Chroma=100", "LatinBold12=@12:Y:W", "LatinBold13=Good@13:Y:W",
                           "LatinBold17=@16:Y:W", "LatinBold19=@16:Y:W", "LatinPlain12=@12:Y:W"}
            << "1 Undecodable, 3 Undecodable, 4 Undecodable, 5 NotAKeyLine, 6 NotAKeyLine, 7 Undecodable, 8 Undecodable";
    }

    void handEditedFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, lines);
        QFETCH(QString, notes);
        const ParsedGlyphmuxIni parsed = parseGlyphmuxIni(file);
        QVERIFY(parsed.isGlyphmuxIni);
        QCOMPARE(glyphmuxIniLines(parsed.map).mid(6, 2) + glyphmuxIniLines(parsed.map).mid(11, 5), lines);
        QCOMPARE(parsed.map.fontPath, FontMap::initial().fontPath);
        QCOMPARE(described(parsed), notes);
    }

    void filesThatAreNotTaken()
    {
        TempCwd cwd;
        const QByteArray good = encodeGlyphmuxIni(glyphmuxIniLines(FontMap::initial()));
        cwd.write(QStringLiteral("good.ini"), good);
        cwd.write(QStringLiteral("other.ini"), "[Other]\nLatinBold12=x@12\nhello\n");
        cwd.write(QStringLiteral("empty.ini"), QByteArray());
        cwd.write(QStringLiteral("huge.ini"), good + QByteArray(maxGlyphmuxIniBytes, ';'));
        QVERIFY(QDir().mkdir(QStringLiteral("folder.ini")));
        QCOMPARE(mkfifo("pipe.ini", 0600), 0); // opening it to read would block
        const std::pair<const char *, IniReadError> cases[] = {
            {"good.ini", IniReadError::None},       {"missing.ini", IniReadError::NotAFile},
            {"folder.ini", IniReadError::NotAFile}, {"pipe.ini", IniReadError::NotAFile},
            {"huge.ini", IniReadError::TooLarge},   {"other.ini", IniReadError::NotGlyphmuxIni},
            {"empty.ini", IniReadError::NotGlyphmuxIni}};
        for (const auto &[name, error] : cases) {
            const GlyphmuxIniFile read = readGlyphmuxIniFile(QLatin1String(name));
            QVERIFY2(read.error == error, name);
            QCOMPARE(read.path, cwd.filePath(QLatin1String(name)));
        }

        // A flood of lines not taken keeps only the first notes.
        const ParsedGlyphmuxIni flood = parseGlyphmuxIni("[FontMap]\n" + QByteArray(maxIniNotes + 50, '\n').replace("\n", "x\n"));
        QCOMPARE(flood.notes.size(), maxIniNotes);
        QCOMPARE(flood.notesLeftOut, 50);
        QCOMPARE(flood.notes.last().line, maxIniNotes + 1);
    }
};

QTEST_GUILESS_MAIN(TestGlyphmuxIni)
#include "tst_glyphmuxini.moc"
