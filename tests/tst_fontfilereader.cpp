// The TrueType inspector and the shared font registry: faces found,
// registered while in use, drawn by their own names, and let go.
#include "fonts/fontfilereader.h"
#include "fonts/fontregistry.h"
#include "fonts/windowslocale.h"
#include "support/truetypebuilder.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QRawFont>
#include <QtTest>

#include <memory>

using namespace TestFonts;

namespace {

FontRegistry &registry() { return FontRegistry::instance(); }
Name win(std::uint16_t nameId, const char *text) { return windowsName(nameId, QString::fromLatin1(text)); }
// A record in an encoding the font system skips (99); the inspector reads it all the same.
Name hidden(std::uint16_t nameId, const char *text) { return Name{3, 99, 0x0409, nameId, utf16be(QString::fromLatin1(text))}; }

// Name IDs 0..7 as the reader gives them.
QStringList namesOf(const FontFileReader &r)
{
    return {r.Copyright(), r.FamilyName(), r.SubFamilyName(), r.UniqueIdentifier(),
            r.FullName(), r.VersionString(), r.PostscriptName(), r.Trademark()};
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
        FontFileReader insp;
        // Names and style bits only: the system cannot draw it, nothing stays registered.
        const QString path = written(buildTrueType(names));
        insp.setFontFile(path);
        QCOMPARE(namesOf(insp), texts);
        QVERIFY(insp.ValidTrueTypeFile());
        QCOMPARE(insp.FaceName(), QString());
        QVERIFY(!insp.Installed());
        QCOMPARE(registry().registrations(path), 0);
        // Each style bit alone: italic, underlined, strikeout, bold.
        for (const std::uint16_t bit : {0x01, 0x02, 0x10, 0x20}) {
            insp.setFontFile(written(buildTrueType(names, bit)));
            const QList<bool> bits = {insp.Italic(), insp.Underlined(), insp.StrikeOut(), insp.Bold()};
            QCOMPARE(bits, (QList<bool>{bit == 0x01, bit == 0x02, bit == 0x10, bit == 0x20}));
        }
        // A wrong head magic: the names and style bits of the previous file stay.
        const QString bad = written(sfnt({{"head", headTable(0)}, {"name", nameTable({win(1, "Second")})}, {"OS/2", os2Table(0x01)}}));
        insp.setFontFile(bad);
        QCOMPARE(insp.FontFile(), bad);
        QVERIFY(!insp.ValidTrueTypeFile());
        QVERIFY(insp.Bold());
        QCOMPARE(namesOf(insp), texts);
    }

    void registeredWhileAnInspectorUsesIt()
    {
        const QString face = QStringLiteral("Glyphmux Probe Shared");
        const QString path = renamed(familyNames(face, "Book"));
        auto quiet = std::make_unique<FontFileReader>(), loud = std::make_unique<FontFileReader>();
        loud->setFontFile(dejaVuPath("DejaVuSans.ttf")); // installed: nothing registered
        quiet->setFontFile(path);
        // Another spelling of the same path is the same file.
        loud->setFontFile(QFileInfo(path).path() + QStringLiteral("//./") + QFileInfo(path).fileName());
        // Our own registration does not make the face count as installed.
        QCOMPARE(loud->FaceName(), face);
        QVERIFY(!loud->Installed());
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
            FontFileReader insp;
            insp.setFontFile(refused);
            QVERIFY(insp.FaceName().isEmpty());
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
            FontFileReader insp;
            insp.setFontFile(installed);
            insp.setFontFile(path);
            QCOMPARE(insp.FontFile(), installed);
            QCOMPARE(insp.FaceName(), QStringLiteral("DejaVu Sans"));
            QVERIFY(insp.Installed());
            insp.setFontFile(unknown);
            QCOMPARE(insp.FaceName(), face);
            insp.setFontFile(path);
            QCOMPARE(insp.FontFile(), unknown);
            QCOMPARE(insp.FaceName(), QString());
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
            {lost, "", "", ""},
        };
        {
            FontFileReader inspectors[std::size(cases)];
            for (std::size_t i = 0; i < std::size(cases); ++i) {
                inspectors[i].setFontFile(cases[i][0]);
                QCOMPARE(inspectors[i].FaceName(), cases[i][1]);
                QCOMPARE(inspectors[i].Installed(), i < 2);
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
};

QTEST_MAIN(TestFontFileReader)
#include "tst_fontfilereader.moc"
