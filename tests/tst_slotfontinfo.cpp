// What each slot row says about its font in the main window: the exact face
// drawn, the details, the characters it lacks, and why a file was refused.
#include "core/fontmap.h"
#include "fonts/fontcoverage.h"
#include "preview/phonepreview.h"
#include "support/editorwindow.h"
#include "support/truetypebuilder.h"
#include "ui/dialogs/fontdetailswindow.h"
#include "ui/fontmessages.h"
#include "ui/main/slotfontinfo.h"

using namespace TestFonts;

namespace {

struct Fixture : EditorWindow {
    SlotFontInfo &info = form.fontInfo();

    // The font the slot's labels are drawn with (they share one face).
    QFont labelFont(std::size_t slot) const
    {
        const auto &table = previewLabelTable();
        const auto line = std::find_if(table.begin(), table.end(), [&](const PreviewLabelInfo &l) { return l.slot == slot; });
        return child<QLabel>(&form.preview(), line->name)->font();
    }
    QString status() const { return form.statusBar()->isHidden() ? QString() : info.statusText(); }
};

QByteArray nameTableOf(const QString &path) { return QRawFont(path, 12).fontTable("name"); }

} // namespace

class TestSlotFontInfo : public QObject
{
    Q_OBJECT

private slots:
    void previewDrawsEachChosenFile()
    {
        Fixture f;
        f.form.show();
        // Slot 2 has bold labels: bold is synthesised on ExtraLight. A copy of an
        // installed font kept in another folder draws the same.
        const QString copy = f.cwd.filePath(QStringLiteral("copy.ttf"));
        QVERIFY(QFile::copy(dejaVuPath(QStringLiteral("DejaVuSerif-BoldItalic.ttf")), copy));
        const QString chosen[] = {dejaVuPath(QStringLiteral("DejaVuSerif-BoldItalic.ttf")),
                                  dejaVuPath(QStringLiteral("DejaVuSans-ExtraLight.ttf")),
                                  dejaVuPath(QStringLiteral("DejaVuSansCondensed-Bold.ttf")), copy};
        for (std::size_t slot = 0; slot < 4; ++slot)
            f.choose(slot, chosen[slot]);
        for (std::size_t slot = 0; slot < 4; ++slot) {
            QCOMPARE(QRawFont::fromFont(f.labelFont(slot)).fontTable("name"), nameTableOf(chosen[slot]));
            QVERIFY(!f.info.warningMark(slot)->isVisible());
        }
        QCOMPARE(f.face(0)->text(), QStringLiteral("DejaVu Serif"));
        // A typed name is matched as typed again, even the same family.
        f.face(0)->clear();
        QTest::keyClicks(f.face(0), QStringLiteral("DejaVu Serif"));
        QCOMPARE(QFontInfo(f.labelFont(0)).styleName(), QStringLiteral("Book"));
    }

    void detailsMatchTheNameTable()
    {
        Fixture f;
        const QString path = dejaVuPath(QStringLiteral("DejaVuSans.ttf"));
        f.choose(0, path);
        for (const char *shown : {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "Version 2.37", "Book"})
            QVERIFY2(f.face(0)->toolTip().contains(QLatin1String(shown)), shown);
        f.info.showDetails(0);
        const FontDetailsWindow *w = f.info.detailsWindow();
        QVERIFY(w);
        QVERIFY(w->isVisible());
        const QByteArray maxp = QRawFont(path, 12).fontTable("maxp");
        const QList<std::pair<const char *, QString>> expected = {
            {"detailsFile", path}, {"detailsSize", FontMessages::fileSize(QFileInfo(path).size())},
            {"detailsFamily", "DejaVu Sans"}, {"detailsSubfamily", "Book"}, {"detailsFullName", "DejaVu Sans"},
            {"detailsVersion", "Version 2.37"},
            {"detailsCopyright", "Copyright (c) 2003 by Bitstream, Inc. All Rights Reserved."},
            {"detailsGlyphs", QString::number(quint8(maxp[4]) << 8 | quint8(maxp[5]))},
            {"detailsOutlines", FontMessages::outlineKind(TrueType::OutlineKind::TrueType)},
            {"detailsOrigin", FontMessages::origin(true)}, {"detailsMissing", "-"}};
        for (const auto &[field, value] : expected)
            QTRY_COMPARE(w->value(QLatin1String(field)), value);
        QTRY_VERIFY(w->value(QStringLiteral("detailsLicence")).startsWith(QStringLiteral("Fonts are (c) Bitstream (see below).")));
        QVERIFY(!w->value(QStringLiteral("detailsLicence")).contains(QLatin1Char('\n')));

        // A file the system did not have is registered by the editor.
        f.choose(1, writeRenamedFont(f.cwd.path(), QStringLiteral("own.ttf"), familyNames(QStringLiteral("Glyphmux Own"), QStringLiteral("Book"))));
        f.info.showDetails(1);
        w = f.info.detailsWindow();
        QTRY_COMPARE(w->value(QStringLiteral("detailsFamily")), QStringLiteral("Glyphmux Own"));
        QTRY_COMPARE(w->value(QStringLiteral("detailsOrigin")), FontMessages::origin(false));
    }

    void warnsOfMissingCharacters()
    {
        Fixture f;
        const QString ascii = QStringLiteral("abcdefghilmnopqrstuvzS0123456789() ");
        const QString italian = FontCoverage::languageLetters(QStringLiteral("it"));
        const auto font = [&](const char *file, const QString &characters) {
            return writeFontWithCharacters(f.cwd.path(), QLatin1String(file), familyNames(QLatin1String(file), QStringLiteral("Book")), characters);
        };
        const QString plain = font("Plain", ascii);
        // Blanks never count; characters beyond the 16-bit plane do.
        QCOMPARE(FontCoverage::missingCharacters(QRawFont(plain, 12), QStringLiteral(" \t160 (1)\U0001F600")), QStringLiteral("\U0001F600"));
        f.choose(0, plain);
        QAction *mark = f.info.warningMark(0);
        QVERIFY(mark->isVisible());
        QCOMPARE(mark->toolTip(), FontMessages::missing(italian));
        QVERIFY(mark->toolTip().startsWith(QStringLiteral("manca: à è é")));
        f.choose(0, font("Accented", ascii + italian));
        QVERIFY(!mark->isVisible());

        // French captions and letters: the Italian accents are not enough.
        f.cwd.write(QStringLiteral("Francais.lng"), "Menu|Galerie|Opérateur|Silencieux|Menu|Options\r\n");
        f.chooser.answer(f.cwd.filePath(QStringLiteral("Francais.lng")));
        f.form.chooseLanguage();
        QVERIFY(mark->isVisible());
        QVERIFY(mark->toolTip().contains(QStringLiteral("ç")));
        QVERIFY(!mark->toolTip().contains(QStringLiteral("é")));
    }

    void refusedFilesSayWhy_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("reason");
        const QByteArray font = buildTrueType(familyNames(QStringLiteral("Hollow"), QStringLiteral("Book")));
        QTest::newRow("not found") << "gone.ttf" << QByteArray() << int(FontRefusal::NotFound);
        QTest::newRow("folder") << "folder.ttf" << QByteArray() << int(FontRefusal::NotRegularFile);
        QTest::newRow("collection") << "pair.ttc" << QByteArray("ttcf\0\1\0\0\0\0\0\1\0\0\0\20", 16) + font << int(FontRefusal::Collection);
        QTest::newRow("not TrueType") << "notes.ttf" << QByteArray("Not the glyphs you are looking for.\n") << int(FontRefusal::NotTrueType);
        QTest::newRow("damaged table") << "torn.ttf" << sfnt({{"head", headTable()}, {"name", nameTable({}), 1u << 30}}) << int(FontRefusal::DamagedTable);
        QTest::newRow("no usable name") << "hollow.ttf" << font << int(FontRefusal::NoUsableName);
    }
    void refusedFilesSayWhy()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(int, reason);
        Fixture f;
        f.form.show();
        const QString path = f.cwd.filePath(file);
        if (!bytes.isEmpty())
            f.cwd.write(file, bytes);
        else if (file == QLatin1String("folder.ttf"))
            QDir(f.cwd.path()).mkdir(file);
        f.choose(1, dejaVuPath(QStringLiteral("DejaVuSans.ttf")));
        const FontMap before = f.form.fontMap();
        f.choose(1, path);
        QVERIFY(f.face(1)->text().isEmpty());
        QCOMPARE(f.status(), FontMessages::refusal(FontRefusal(reason), path));
        QVERIFY(f.status().contains(QDir::toNativeSeparators(path)));
        QCOMPARE(f.face(1)->toolTip(), f.status());
        FontMap after = f.form.fontMap();
        after.slotValues[1].face = before.slotValues[1].face;
        QVERIFY(after == before);
        // Below the client area, which keeps its size and place.
        QTRY_COMPARE(f.form.statusBar()->y(), f.form.menuBar()->height() + 388);
        QCOMPARE(f.form.centralWidget()->geometry(), QRect(0, f.form.menuBar()->height(), 744, 388));
        // The next good file clears the line.
        f.choose(1, dejaVuPath(QStringLiteral("DejaVuSans.ttf")));
        QCOMPARE(f.status(), QString());
    }

    void postScriptOutlinesAreAcceptedWithAWarning()
    {
        const QString otf = QStringLiteral("/usr/share/fonts/opentype/cantarell/Cantarell-Regular.otf");
        if (!QFile::exists(otf))
            QSKIP("fonts-cantarell is not installed");
        Fixture f;
        const QString path = f.cwd.filePath(QStringLiteral("cantarell.ttf"));
        QVERIFY(QFile::copy(otf, path));
        f.choose(2, path);
        QCOMPARE(f.face(2)->text(), QStringLiteral("Cantarell"));
        QVERIFY(f.status().contains(QDir::toNativeSeparators(path)));
        QVERIFY(f.status().contains(QStringLiteral("CFF")));
        QVERIFY(f.info.warningMark(2)->isVisible());
        QVERIFY(f.info.warningMark(2)->toolTip().contains(QStringLiteral("CFF")));
    }
};

QTEST_MAIN(TestSlotFontInfo)
#include "tst_slotfontinfo.moc"
