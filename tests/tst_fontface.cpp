// What the preview knows about a chosen font file: the exact face it draws
// with and the characters it lacks.
#include "fonts/fileface.h"
#include "fonts/fontcoverage.h"
#include "fonts/fontregistry.h"
#include "support/truetypebuilder.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QtTest>

using namespace TestFonts;

namespace {

QImage rendered(const QFont &font)
{
    QImage image(240, 40, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(4, 30, QStringLiteral("Hamburgefonts"));
    return image;
}

} // namespace

class TestFontFace : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void labelDrawsTheFileItself_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("style");
        QTest::addColumn<bool>("boldLabel");
        QTest::newRow("serif bold italic") << dejaVuPath(QStringLiteral("DejaVuSerif-BoldItalic.ttf")) << "Bold Italic" << false;
        QTest::newRow("sans extra light") << dejaVuPath(QStringLiteral("DejaVuSans-ExtraLight.ttf")) << "ExtraLight" << false;
        QTest::newRow("extra light, bold label") << dejaVuPath(QStringLiteral("DejaVuSans-ExtraLight.ttf")) << "ExtraLight" << true;
        QTest::newRow("sans condensed bold") << dejaVuPath(QStringLiteral("DejaVuSansCondensed-Bold.ttf")) << "Condensed Bold" << false;
    }
    void labelDrawsTheFileItself()
    {
        QFETCH(QString, path);
        QFETCH(QString, style);
        QFETCH(bool, boldLabel);
        const auto face = FileFace::find(path);
        QVERIFY(face);
        QFont font(QGuiApplication::font().family(), 12, boldLabel ? QFont::Bold : QFont::Normal);
        FileFace::apply(font, *face);
        QCOMPARE(QFontInfo(font).styleName(), style);
        // The very file: its name table, byte for byte.
        QCOMPARE(QRawFont::fromFont(font).fontTable("name"), QRawFont(path, 12).fontTable("name"));
        QFont byFamily(face->family, 12, boldLabel ? QFont::Bold : QFont::Normal);
        QVERIFY(rendered(font) != rendered(byFamily));
    }

    void registeredFileResolvesToItsOwnFace()
    {
        // A copy under a family the system does not know, registered by us.
        const QString path = writeRenamedFont(m_dir.path(), QStringLiteral("copy.ttf"),
                                              familyNames(QStringLiteral("Glyphmux Face Copy"), QStringLiteral("Bold Italic")),
                                              dejaVuPath(QStringLiteral("DejaVuSerif-BoldItalic.ttf")));
        QVERIFY(FontRegistry::instance().addFontFile(path));
        const auto face = FileFace::find(path);
        QVERIFY(face);
        QCOMPARE(face->family, QStringLiteral("Glyphmux Face Copy"));
        QFont font;
        FileFace::apply(font, *face);
        QCOMPARE(QRawFont::fromFont(font).fontTable("name"), QRawFont(path, 12).fontTable("name"));
        FontRegistry::instance().removeFontFile(path);
        QVERIFY(!FileFace::find(path));
        QVERIFY(!FileFace::find(m_dir.filePath(QStringLiteral("none.ttf"))));
    }

    void missingCharacters_data()
    {
        QTest::addColumn<QString>("characters");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("missing");
        const QString ascii = QStringLiteral("abcdefghilmnopqrstuvz0123456789()");
        QTest::newRow("lacks e acute") << ascii << QStringLiteral("caffè é, perché") << QStringLiteral("èé,");
        QTest::newRow("has e acute") << ascii + QStringLiteral("é,") << QStringLiteral("perché, é") << QString();
        QTest::newRow("blanks never count") << ascii << QStringLiteral(" \t\n160 (1)") << QString();
        QTest::newRow("outside the plane") << ascii << QStringLiteral("a\U0001F600") << QStringLiteral("\U0001F600");
    }
    void missingCharacters()
    {
        QFETCH(QString, characters);
        QFETCH(QString, text);
        QFETCH(QString, missing);
        const QString path = writeFontWithCharacters(m_dir.path(), QStringLiteral("%1.ttf").arg(QTest::currentDataTag()),
                                                     familyNames(QStringLiteral("Glyphmux Few"), QStringLiteral("Regular")), characters);
        const QRawFont font(path, 12);
        QVERIFY(font.isValid());
        QCOMPARE(FontCoverage::missingCharacters(font, text), missing);
    }

    void languageLetters()
    {
        const auto check = [](const char *file, const char *code, const char *someLetters) {
            QCOMPARE(FontCoverage::languageOfFile(QString::fromUtf8(file)), QString::fromUtf8(code));
            const QString letters = FontCoverage::languageLetters(QString::fromUtf8(code));
            for (const QChar c : QString::fromUtf8(someLetters))
                QVERIFY2(letters.contains(c), file);
        };
        check("/x/Data/Italiano.lng", "it", "àèéìòùÈ");
        check("francais.LNG", "fr", "çéèêœÇ");
        check("Deutsch.lng", "de", "äöüßÄ");
        check("Espanol.lng", "es", "ñáí¿¡Ñ");
        check("English.lng", "en", "");
        check("Klingon.lng", "", "");
        check("Italiano.txt", "", "");
        QVERIFY(FontCoverage::languageLetters(QStringLiteral("en")).isEmpty());
    }
};

QTEST_MAIN(TestFontFace)
#include "tst_fontface.moc"
