// The TrueType inspector and the shared font registry: faces found,
// registered while in use, drawn by their own names, and let go.
#include "fonts/cfontpreview.h"
#include "fonts/fontregistry.h"
#include "fonts/windowslocale.h"
#include "support/truetypebuilder.h"

#include <QFile>
#include <QGuiApplication>
#include <QRawFont>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace TestFonts;

namespace {

FontRegistry &registry()
{
    return FontRegistry::instance();
}

// The full name (ID 4) in the name table of the font file Qt draws 'font'
// with: tells exactly which file was chosen.
QString drawnFullName(const QFont &font)
{
    const QByteArray name = QRawFont::fromFont(font).fontTable("name");
    const auto t = TrueType::readFontTables(MemorySource(sfnt({{"head", headTable()}, {"name", name}})));
    return t.names ? TrueType::nameString(*t.names, TrueType::FullNameId, 0x0409) : QString();
}

QFont resolved(const QString &face, bool bold = false)
{
    QFont font;
    font.setPointSize(12);
    font.setBold(bold);
    registry().applyFace(font, face);
    return font;
}

} // namespace

class TestCFontPreview : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readsPropertiesOfFile();
    void systemLocaleRecordWins();
    void unknownFaceIsRegisteredWhileInUse();
    void installedFaceStaysInstalled();
    void familyAndSubfamilyCandidate();
    void fullNameCandidate();
    void missingPathKeepsPreviousFile_data();
    void missingPathKeepsPreviousFile();
    void wrongMagicKeepsPreviousNames();
    void twoInspectorsShareARegistration();
    void reloadingSwapsRegistration();
    void fileWithoutFoundFaceIsStillUnregistered();
    void undrawableFileLeavesNothingRegistered();
    void broadcastSendsNotice();
    void secondFamilyNameOfInstalledFile();
    void secondFamilyNameOfRegisteredFile();
    void condensedBoldFollowsSystemMatching();
    void emptyFaceGivesDefaultFamily();

private:
    QString renamed(const QString &fileName, const QList<Name> &names,
                    const QString &source = dejaVuPath(QStringLiteral("DejaVuSans.ttf")))
    {
        const QString path = writeRenamedFont(m_dir->path(), fileName, names, source);
        if (path.isEmpty())
            qFatal("cannot write %s", qPrintable(fileName));
        return path;
    }
    QString written(const QString &fileName, const QByteArray &bytes)
    {
        QFile f(m_dir->filePath(fileName));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(fileName));
        return f.fileName();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCFontPreview::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestCFontPreview::readsPropertiesOfFile()
{
    CFontPreview insp;
    QVERIFY(!insp.Broadcast());
    QVERIFY(insp.FontFile().isEmpty() && insp.FaceName().isEmpty() && !insp.ValidTrueTypeFile());
    QVERIFY(insp.FamilyName().isEmpty());

    const QString path = written(QStringLiteral("probe.ttf"), buildTrueType({
        macName(0, "\xA9 2024 Glyphmux"),
        windowsName(1, QStringLiteral("Glyphmux Shell")),
        windowsName(2, QStringLiteral("Bold Italic")),
        windowsName(3, QStringLiteral("Glyphmux Shell 1.0")),
        windowsName(4, QStringLiteral("Glyphmux Shell Bold Italic")),
        windowsName(5, QStringLiteral("Version 1.0")),
        windowsName(6, QStringLiteral("GlyphmuxShell-BoldItalic")),
        windowsName(7, QStringLiteral("Shell is a mark")),
    }, 0x0021));
    insp.setFontFile(path);
    QCOMPARE(insp.FontFile(), path);
    QVERIFY(insp.ValidTrueTypeFile());
    QCOMPARE(insp.Copyright(), QStringLiteral(u"\u00A9 2024 Glyphmux"));
    QCOMPARE(insp.FamilyName(), QStringLiteral("Glyphmux Shell"));
    QCOMPARE(insp.SubFamilyName(), QStringLiteral("Bold Italic"));
    QCOMPARE(insp.UniqueIdentifier(), QStringLiteral("Glyphmux Shell 1.0"));
    QCOMPARE(insp.FullName(), QStringLiteral("Glyphmux Shell Bold Italic"));
    QCOMPARE(insp.VersionString(), QStringLiteral("Version 1.0"));
    QCOMPARE(insp.PostscriptName(), QStringLiteral("GlyphmuxShell-BoldItalic"));
    QCOMPARE(insp.Trademark(), QStringLiteral("Shell is a mark"));
    QVERIFY(insp.Bold() && insp.Italic());
    QVERIFY(!insp.Underlined() && !insp.StrikeOut());
    // Names and style bits only: the system cannot draw it.
    QVERIFY(insp.FaceName().isEmpty());
    QVERIFY(!insp.Installed());
    QCOMPARE(registry().registrations(path), 0);
}

void TestCFontPreview::systemLocaleRecordWins()
{
    const std::uint16_t here = std::uint16_t(windowsLocaleId(QLocale::system()));
    const std::uint16_t other = here == 0x0410 ? 0x0409 : 0x0410;
    CFontPreview insp;
    insp.setFontFile(written(QStringLiteral("locale.ttf"), buildTrueType({
        windowsName(1, QStringLiteral("Here"), here),
        windowsName(1, QStringLiteral("Elsewhere"), other),
        windowsName(4, QStringLiteral("First"), other),
        windowsName(4, QStringLiteral("Second"), std::uint16_t(other + 0x400)),
    })));
    QCOMPARE(insp.FamilyName(), QStringLiteral("Here"));
    QCOMPARE(insp.FullName(), QStringLiteral("Second"));
}

void TestCFontPreview::unknownFaceIsRegisteredWhileInUse()
{
    const QString face = QStringLiteral("Glyphmux Probe Unknown");
    const QString path = renamed(QStringLiteral("unknown.ttf"), familyNames(face, QStringLiteral("Book")));
    QVERIFY(!registry().isFaceKnown(face));
    {
        auto insp = std::make_unique<CFontPreview>();
        insp->setFontFile(path);
        QCOMPARE(insp->FaceName(), face);
        QVERIFY(!insp->Installed());
        QVERIFY(registry().isFaceKnown(face));
        QVERIFY(!registry().isInstalled(face));
        QCOMPARE(registry().registrations(path), 1);
        QCOMPARE(drawnFullName(resolved(face)), face + QStringLiteral(" Book"));
    }
    QVERIFY(!registry().isFaceKnown(face));
    QCOMPARE(registry().registrations(path), 0);
}

void TestCFontPreview::installedFaceStaysInstalled()
{
    const QString path = dejaVuPath(QStringLiteral("DejaVuSans.ttf"));
    {
        CFontPreview insp;
        insp.setFontFile(path);
        QCOMPARE(insp.FaceName(), QStringLiteral("DejaVu Sans"));
        QVERIFY(insp.Installed());
        QCOMPARE(registry().registrations(path), 0);
        insp.setFontFile(path); // a second load keeps the face
        QCOMPARE(insp.FaceName(), QStringLiteral("DejaVu Sans"));
    }
    QVERIFY(registry().isInstalled(QStringLiteral("DejaVu Sans")));
    QVERIFY(!registry().isFaceKnown(QStringLiteral("dejavu sans"))); // exact case
    QVERIFY(!registry().isFaceKnown(QString()));
}

void TestCFontPreview::familyAndSubfamilyCandidate()
{
    // The font system does not read ID 1 in an encoding it does not know;
    // it names the font by its typographic family (ID 16) instead.
    QList<Name> names = {
        Name{3, 99, 0x0409, 1, utf16be(QStringLiteral("Glyphmux Probe Pair"))},
        windowsName(2, QStringLiteral("Wide")),
        windowsName(4, QStringLiteral("Glyphmux Full Pair")),
        windowsName(16, QStringLiteral("Glyphmux Probe Pair Wide")),
    };
    CFontPreview insp;
    insp.setFontFile(renamed(QStringLiteral("pair.ttf"), names));
    QCOMPARE(insp.FamilyName(), QStringLiteral("Glyphmux Probe Pair"));
    QCOMPARE(insp.FaceName(), QStringLiteral("Glyphmux Probe Pair Wide"));
    QVERIFY(!insp.Installed());
}

void TestCFontPreview::fullNameCandidate()
{
    QList<Name> names = {
        Name{3, 99, 0x0409, 1, utf16be(QStringLiteral("Glyphmux Hidden"))},
        Name{3, 99, 0x0409, 2, utf16be(QStringLiteral("Regular"))},
        windowsName(16, QStringLiteral("Glyphmux Probe Full")),
        windowsName(4, QStringLiteral("Glyphmux Probe Full")),
    };
    CFontPreview insp;
    insp.setFontFile(renamed(QStringLiteral("full.ttf"), names));
    QCOMPARE(insp.FaceName(), QStringLiteral("Glyphmux Probe Full"));
}

void TestCFontPreview::missingPathKeepsPreviousFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("folder") << QDir::tempPath();
    QTest::newRow("missing file") << QStringLiteral("/nonexistent/nothing.ttf");
    QTest::newRow("empty path") << QString();
}

void TestCFontPreview::missingPathKeepsPreviousFile()
{
    QFETCH(QString, path);
    const QString installed = dejaVuPath(QStringLiteral("DejaVuSans-Bold.ttf"));
    CFontPreview insp;
    insp.setFontFile(installed);
    insp.setFontFile(path);
    QCOMPARE(insp.FontFile(), installed);
    QCOMPARE(insp.FaceName(), QStringLiteral("DejaVu Sans"));
    QVERIFY(insp.Bold());

    // A registered face is let go all the same: the previous file is undone first.
    const QString face = QStringLiteral("Glyphmux Probe Left");
    const QString unknown = renamed(QStringLiteral("left.ttf"), familyNames(face, QStringLiteral("Book")));
    insp.setFontFile(unknown);
    QCOMPARE(insp.FaceName(), face);
    insp.setFontFile(path);
    QCOMPARE(insp.FontFile(), unknown);
    QVERIFY(insp.FaceName().isEmpty());
    QVERIFY(!registry().isFaceKnown(face));
}

void TestCFontPreview::wrongMagicKeepsPreviousNames()
{
    CFontPreview insp;
    insp.setFontFile(written(QStringLiteral("first.ttf"), buildTrueType(familyNames(QStringLiteral("First"), QStringLiteral("Book")), 0x20)));
    QVERIFY(insp.ValidTrueTypeFile());
    QByteArray bad = buildTrueType(familyNames(QStringLiteral("Second"), QStringLiteral("Book")), 0x01);
    bad[12 + 16 * 3 + 12] = 0; // the head table's magic number
    const QString badPath = written(QStringLiteral("second.ttf"), bad);
    insp.setFontFile(badPath);
    QCOMPARE(insp.FontFile(), badPath);
    QVERIFY(!insp.ValidTrueTypeFile());
    QCOMPARE(insp.FamilyName(), QStringLiteral("First"));
    QVERIFY(insp.Bold() && !insp.Italic());
}

void TestCFontPreview::twoInspectorsShareARegistration()
{
    const QString face = QStringLiteral("Glyphmux Probe Shared");
    const QString path = renamed(QStringLiteral("shared.ttf"), familyNames(face, QStringLiteral("Book")));
    auto first = std::make_unique<CFontPreview>();
    auto second = std::make_unique<CFontPreview>();
    first->setFontFile(path);
    second->setFontFile(path);
    // Our own registration does not make the face count as installed.
    QVERIFY(!first->Installed() && !second->Installed());
    QCOMPARE(second->FaceName(), face);
    QCOMPARE(registry().registrations(path), 2);
    first.reset();
    QVERIFY(registry().isFaceKnown(face));
    QCOMPARE(drawnFullName(resolved(face)), face + QStringLiteral(" Book"));
    second.reset();
    QVERIFY(!registry().isFaceKnown(face));
}

void TestCFontPreview::reloadingSwapsRegistration()
{
    const QString a = renamed(QStringLiteral("a.ttf"), familyNames(QStringLiteral("Glyphmux Probe A"), QStringLiteral("Book")));
    const QString b = renamed(QStringLiteral("b.ttf"), familyNames(QStringLiteral("Glyphmux Probe B"), QStringLiteral("Book")));
    CFontPreview insp;
    insp.setFontFile(a);
    insp.setFontFile(b);
    QCOMPARE(insp.FaceName(), QStringLiteral("Glyphmux Probe B"));
    QCOMPARE(registry().registrations(a), 0);
    QCOMPARE(registry().registrations(b), 1);
    insp.setFontFile(b);
    QCOMPARE(registry().registrations(b), 1);
    QCOMPARE(insp.FaceName(), QStringLiteral("Glyphmux Probe B"));
}

void TestCFontPreview::fileWithoutFoundFaceIsStillUnregistered()
{
    // A name table the inspector rejects (its string storage lies outside
    // it) in a font the system can still load: no face is found, yet the
    // registration must not outlive the inspector.
    QByteArray name = nameTable(familyNames(QStringLiteral("Glyphmux Probe Lost"), QStringLiteral("Book")));
    name[4] = char(0x7F);
    QFile source(dejaVuPath(QStringLiteral("DejaVuSans.ttf")));
    QVERIFY(source.open(QIODevice::ReadOnly));
    const QString path = written(QStringLiteral("lost.ttf"), withNameTable(source.readAll(), name));
    {
        CFontPreview insp;
        insp.setFontFile(path);
        QVERIFY(insp.FaceName().isEmpty());
        QVERIFY(insp.ValidTrueTypeFile());
        QCOMPARE(registry().registrations(path), 1);
    }
    QCOMPARE(registry().registrations(path), 0);
}

void TestCFontPreview::undrawableFileLeavesNothingRegistered()
{
    for (const QByteArray &bytes : {QByteArray(), QByteArray(12, '\0'), QByteArray("not a font at all")}) {
        const QString path = written(QStringLiteral("junk.ttf"), bytes);
        CFontPreview insp;
        insp.setFontFile(path);
        QCOMPARE(insp.FontFile(), path);
        QVERIFY(insp.FaceName().isEmpty());
        QVERIFY(!insp.ValidTrueTypeFile());
        QCOMPARE(registry().registrations(path), 0);
    }
}

void TestCFontPreview::broadcastSendsNotice()
{
    QSignalSpy notices(&registry(), &FontRegistry::fontsChanged);
    const QString path = renamed(QStringLiteral("notice.ttf"), familyNames(QStringLiteral("Glyphmux Probe Notice"), QStringLiteral("Book")));
    {
        CFontPreview quiet;
        quiet.setFontFile(path);
        quiet.setFontFile(dejaVuPath(QStringLiteral("DejaVuSans.ttf")));
    }
    QCOMPARE(notices.size(), 0);
    {
        CFontPreview loud;
        loud.setBroadcast(true);
        QVERIFY(loud.Broadcast());
        loud.setFontFile(dejaVuPath(QStringLiteral("DejaVuSans.ttf"))); // installed: nothing registered
        QCOMPARE(notices.size(), 0);
        loud.setFontFile(path);
        QCOMPARE(notices.size(), 1);
    }
    QCOMPARE(notices.size(), 2);
}

void TestCFontPreview::secondFamilyNameOfInstalledFile()
{
    // Qt lists this file only as "DejaVu Sans", style ExtraLight; its own
    // family name (ID 1) is "DejaVu Sans Light".
    CFontPreview insp;
    insp.setFontFile(dejaVuPath(QStringLiteral("DejaVuSans-ExtraLight.ttf")));
    QCOMPARE(insp.FaceName(), QStringLiteral("DejaVu Sans Light"));
    QVERIFY(insp.Installed());
    QCOMPARE(drawnFullName(resolved(insp.FaceName())), QStringLiteral("DejaVu Sans ExtraLight"));
    QCOMPARE(resolved(insp.FaceName()).pointSize(), 12);
}

void TestCFontPreview::secondFamilyNameOfRegisteredFile()
{
    const QList<Name> names = {
        windowsName(1, QStringLiteral("Glyphmux Probe Light")),
        windowsName(2, QStringLiteral("Regular")),
        windowsName(4, QStringLiteral("Glyphmux Probe ExtraLight")),
        windowsName(16, QStringLiteral("Glyphmux Probe")),
        windowsName(17, QStringLiteral("ExtraLight")),
    };
    const QString path = renamed(QStringLiteral("light.ttf"), names, dejaVuPath(QStringLiteral("DejaVuSans-ExtraLight.ttf")));
    const QString other = renamed(QStringLiteral("book.ttf"), familyNames(QStringLiteral("Glyphmux Probe"), QStringLiteral("Book")));
    CFontPreview insp;
    insp.setFontFile(path);
    CFontPreview sibling; // the same typographic family, another file
    sibling.setFontFile(other);
    QCOMPARE(insp.FaceName(), QStringLiteral("Glyphmux Probe Light"));
    QVERIFY(!insp.Installed());
    QCOMPARE(drawnFullName(resolved(insp.FaceName())), QStringLiteral("Glyphmux Probe ExtraLight"));
    QCOMPARE(drawnFullName(resolved(QStringLiteral("Glyphmux Probe"))), QStringLiteral("Glyphmux Probe Book"));
}

void TestCFontPreview::condensedBoldFollowsSystemMatching()
{
    CFontPreview insp;
    insp.setFontFile(dejaVuPath(QStringLiteral("DejaVuSansCondensed-Bold.ttf")));
    QCOMPARE(insp.FaceName(), QStringLiteral("DejaVu Sans Condensed"));
    QVERIFY(insp.Installed());
    QCOMPARE(drawnFullName(resolved(insp.FaceName())), QStringLiteral("DejaVu Sans Condensed"));
    QCOMPARE(drawnFullName(resolved(insp.FaceName(), true)), QStringLiteral("DejaVu Sans Condensed Bold"));
    QFont italic = resolved(insp.FaceName());
    italic.setItalic(true);
    registry().applyFace(italic, insp.FaceName());
    QCOMPARE(drawnFullName(italic), QStringLiteral("DejaVu Sans Condensed Oblique"));
}

void TestCFontPreview::emptyFaceGivesDefaultFamily()
{
    QFont font = resolved(QStringLiteral("DejaVu Sans Light"));
    registry().applyFace(font, QString());
    QCOMPARE(font.family(), QGuiApplication::font().family());
    QVERIFY(font.styleName().isEmpty());
    QCOMPARE(font.pointSize(), 12);
}

QTEST_MAIN(TestCFontPreview)
#include "tst_cfontpreview.moc"
