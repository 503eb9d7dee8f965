// Glyphmux.ini from the font map alone: which slot feeds which line, and
// texts that must pass unchanged.
#include "core/fontmap.h"
#include "core/glyphmuxini.h"
#include "core/settingsstore.h"
#include "support/expectedini.h"

#include <QtTest>

class TestGlyphmuxIni : public QObject
{
    Q_OBJECT

private slots:
    void italicFeedsAliasLines_data();
    void italicFeedsAliasLines();
    void textsAreWrittenUnchanged();
    void globalsAtTheirLimits();
    void noValueAddsALine();
};

void TestGlyphmuxIni::italicFeedsAliasLines_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QList<int>>("italicAliases"); // 0-based among the 14

    QTest::newRow("LatinBold12") << 0 << QList<int>{6, 13};
    QTest::newRow("LatinBold13") << 1 << QList<int>{0, 3, 4, 7, 9, 11};
    QTest::newRow("LatinBold17") << 2 << QList<int>{1, 2, 5, 8};
    QTest::newRow("LatinBold19") << 3 << QList<int>{10, 12};
    QTest::newRow("LatinPlain12") << 4 << QList<int>{};
}

void TestGlyphmuxIni::italicFeedsAliasLines()
{
    QFETCH(int, slot);
    QFETCH(QList<int>, italicAliases);

    FontMap map = FontMap::initial();
    map.slotValues[slot].italic = true;
    const QStringList lines = glyphmuxIniLines(map);

    for (int s = 0; s < 5; ++s)
        QCOMPARE(lines[11 + s].contains(QStringLiteral(":I")), s == slot);
    QStringList aliases = plainAliasLines(QString());
    for (int a : italicAliases)
        aliases[a] += QStringLiteral(":I");
    QCOMPARE(lines.mid(17, 14), aliases);
}

void TestGlyphmuxIni::textsAreWrittenUnchanged()
{
    const QString face = QStringLiteral(" Шрифт, 字体; x ");
    FontMap map = FontMap::initial();
    map.slotValues[1].face = face;
    map.slotValues[1].height = QStringLiteral("a;b");
    map.slotValues[1].width = QStringLiteral(" , ");
    map.fontPath = QStringLiteral("e:\\Шрифты\\*.ttf");
    const QStringList lines = glyphmuxIniLines(map);
    QCOMPARE(lines[12], QStringLiteral("LatinBold13=") + face + QStringLiteral("@12:Ya;b:W , "));
    QCOMPARE(lines[8], QStringLiteral("ExtraFontFile=e:\\Шрифты\\*.ttf"));
    QCOMPARE(lines.mid(17, 14), plainAliasLines(face));

    const QByteArray bytes = encodeGlyphmuxIni(lines);
    QCOMPARE(bytes, utf16FileBytes(lines));
    // U+5B57 of the CJK name, little-endian.
    QVERIFY(bytes.contains(QByteArray("\x57\x5B", 2)));
}

void TestGlyphmuxIni::globalsAtTheirLimits()
{
    FontMap map = FontMap::initial();
    map.zoom = 1;
    map.chroma = QStringLiteral("0");
    QStringList lines = glyphmuxIniLines(map);
    QCOMPARE(lines[6], QStringLiteral("ZoomRatio=1"));
    QCOMPARE(lines[7], QStringLiteral("Chroma=0"));
    map.zoom = 300;
    QCOMPARE(glyphmuxIniLines(map)[6], QStringLiteral("ZoomRatio=300"));
}

void TestGlyphmuxIni::noValueAddsALine()
{
    // Every C0 control and the Unicode line and paragraph separators become
    // spaces, in every field; DEL, NEL and the rest pass unchanged.
    const QString value = QStringLiteral("a\r\n[Global]\r\nEnable=0\u2028\u2029\t\x1f\x7f\u0085\u00e9");
    const QString kept = QStringLiteral("a  [Global]  Enable=0    \x7f\u0085\u00e9");
    FontMap map = FontMap::initial();
    map.chroma = map.fontPath = value;
    map.slotValues[1] = {value, value, value, false, value};
    const QStringList lines = glyphmuxIniLines(map);
    QCOMPARE(lines.size(), 32);
    QCOMPARE(lines[7], QStringLiteral("Chroma=") + kept);
    QCOMPARE(lines[8], QStringLiteral("ExtraFontFile=") + kept);
    QCOMPARE(lines[12], QStringLiteral("LatinBold13=%1@%1:Y%1:W%1").arg(kept));
    QCOMPARE(lines.mid(17, 14), plainAliasLines(kept));
    QCOMPARE(formatSettingsFile(false, value), QByteArray("False|") + kept.toUtf8() + "\r\n");
}

QTEST_GUILESS_MAIN(TestGlyphmuxIni)
#include "tst_glyphmuxini.moc"
