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

    void textFields()
    {
        // Every C0 control and the Unicode line and paragraph separators become
        // spaces; DEL, NEL and every other text pass unchanged.
        const QString plain = QStringLiteral(" Шрифт, 字体; e:\\Шрифты\\*.ttf a;b ");
        const std::pair<QString, QString> cases[] = {
            {plain, plain},
            {QStringLiteral("a\r\n[Global]\r\nEnable=0\u2028\u2029\t\x1f\x7f\u0085\u00e9"),
             QStringLiteral("a  [Global]  Enable=0    \x7f\u0085\u00e9")},
        };
        for (const auto &[value, written] : cases) {
            FontMap map = FontMap::initial();
            map.chroma = map.fontPath = value;
            map.slotValues[1] = {value, value, value, false, value};
            const QStringList lines = glyphmuxIniLines(map);
            QCOMPARE(lines.size(), 32);
            QCOMPARE(lines.mid(7, 2), (QStringList{"Chroma=" + written, "ExtraFontFile=" + written}));
            QCOMPARE(lines[12], QStringLiteral("LatinBold13=%1@%1:Y%1:W%1").arg(written));
            QCOMPARE(lines.mid(17, 14), plainAliasLines(written));
            QCOMPARE(encodeGlyphmuxIni(lines), utf16FileBytes(lines));
            QCOMPARE(formatSettingsFile(false, value), QByteArray("False|") + written.toUtf8() + "\r\n");
        }
    }
};

QTEST_GUILESS_MAIN(TestGlyphmuxIni)
#include "tst_glyphmuxini.moc"
