// Glyphmux.ini from the font map alone: which slot feeds which line, texts
// that pass unchanged, and values that cannot add a line.
#include "core/fontmap.h"
#include "core/glyphmuxini.h"
#include "core/settingsstore.h"
#include "support/expectedini.h"

#include <QtTest>

class TestGlyphmuxIni : public QObject
{
    Q_OBJECT

private slots:
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

    void textsAreWrittenUnchanged()
    {
        const QString face = QStringLiteral(" Шрифт, 字体; x ");
        FontMap map = FontMap::initial();
        map.slotValues[1] = {face, QStringLiteral("12"), QStringLiteral("a;b"), false, QStringLiteral(" , ")};
        map.fontPath = QStringLiteral("e:\\Шрифты\\*.ttf");
        map.zoom = 1;
        map.chroma = QStringLiteral("0");
        const QStringList lines = glyphmuxIniLines(map);
        QCOMPARE(lines.mid(6, 3), (QStringList{"ZoomRatio=1", "Chroma=0", "ExtraFontFile=e:\\Шрифты\\*.ttf"}));
        QCOMPARE(lines[12], "LatinBold13=" + face + "@12:Ya;b:W , ");
        QCOMPARE(lines.mid(17, 14), plainAliasLines(face));
        QCOMPARE(encodeGlyphmuxIni(lines), utf16FileBytes(lines));
    }

    void noValueAddsALine()
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
        QCOMPARE(lines.mid(7, 2), (QStringList{"Chroma=" + kept, "ExtraFontFile=" + kept}));
        QCOMPARE(lines[12], QStringLiteral("LatinBold13=%1@%1:Y%1:W%1").arg(kept));
        QCOMPARE(lines.mid(17, 14), plainAliasLines(kept));
        QCOMPARE(formatSettingsFile(false, value), QByteArray("False|") + kept.toUtf8() + "\r\n");
    }
};

QTEST_GUILESS_MAIN(TestGlyphmuxIni)
#include "tst_glyphmuxini.moc"
