// The slot rows: font choice per slot, size steppers, italic switches,
// chroma and the information buttons; and what each row says about its font:
// the exact face drawn, the details, the characters it lacks, and why a file
// was refused.
#include "core/fontmap.h"
#include "core/glyphmuxini.h"
#include "fonts/chosenfonts.h"
#include "fonts/fontcoverage.h"
#include "fonts/fontregistry.h"
#include "support/editorwindow.h"
#include "support/truetypebuilder.h"
#include "ui/dialogs/fontdetailswindow.h"
#include "ui/fontmessages.h"
#include "ui/main/controlhelp.h"
#include "ui/main/sloteditor.h"
#include "ui/main/slotfontinfo.h"

using namespace TestFonts;

namespace {

struct Fixture : EditorWindow {
    SlotFontInfo &info = form.fontInfo();

    QLabel *label(const char *name) const { return get<QLabel>(name); }
    // A drawable font file with a face the system does not know.
    QString font(const QString &face, const char *fileName) const
    {
        return writeRenamedFont(cwd.path(), QLatin1String(fileName), familyNames(face, QStringLiteral("Book")));
    }
    // The font the slot's labels are drawn with (they share one face).
    QFont labelFont(std::size_t slot) const
    {
        const auto &table = previewLabelTable();
        const auto line = std::find_if(table.begin(), table.end(), [&](const PreviewLabelInfo &l) { return l.slot == slot; });
        return label(line->name)->font();
    }
    QString status() const { return form.statusBar()->isHidden() ? QString() : info.statusText(); }
};

// Whether the label is drawn from the file whose name table holds 'face'.
bool drawnFrom(const QLabel *label, const QString &face)
{
    return QRawFont::fromFont(label->font()).fontTable("name").contains(utf16be(face));
}

QByteArray nameTableOf(const QString &path) { return QRawFont(path, 12).fontTable("name"); }

} // namespace

class TestSlotEditor : public QObject
{
    Q_OBJECT

private slots:
    void fontChoice()
    {
        Fixture f;
        // Every slot's dialog starts in the program's folder and shows TrueType
        // files; only slot 1's has a title (and "ttf" as its default suffix).
        const QString folder = QCoreApplication::applicationDirPath(), filter = QStringLiteral("Font file (*.ttf)");
        for (std::size_t i = 0; i < SlotCount; ++i) {
            f.choose(i, std::nullopt);
            const FileDialogState &s = f.chooser.shown.last();
            QCOMPARE(QStringList({s.title, s.initialFolder, s.filter, s.defaultSuffix}),
                     QStringList({i ? "" : "Apri TTF", folder, filter, i ? "" : "ttf"}));
        }
        QLineEdit *field = f.get("LatinBold13");
        const SlotEditor &editor = f.form.slotEditor();
        // Cancel keeps the face field, the file's reader, the preview and the dialog's last file.
        const auto state = [&] {
            return QStringList{field->text(), editor.dialog(1).fileName, f.label("riga3pop")->font().toString(),
                               QString::number(quintptr(f.form.chosenFonts().reader(1)))};
        };
        const auto cancelChangesNothing = [&] {
            const QStringList before = state();
            f.refreshes.clear();
            f.choose(1, std::nullopt);
            QCOMPARE(state(), before);
            QCOMPARE(f.refreshes.size(), 0);
        };
        cancelChangesNothing(); // no choice yet
        field->setText(QStringLiteral("Typed By Hand"));
        cancelChangesNothing();
        // Typing takes a refused file's note away, and the field's help is back.
        QCOMPARE(field->toolTip(), ControlHelp::faceField(1));
        f.choose(1, f.cwd.filePath(QStringLiteral("gone.ttf")));
        QVERIFY(field->toolTip().contains(QStringLiteral("gone.ttf")));
        QTest::keyClicks(field, QStringLiteral("X"));
        QCOMPARE(field->toolTip(), ControlHelp::faceField(1));

        // Same file in slots 2 and 1, then a new choice for slot 1: slot 2 still draws it.
        const QString face = QStringLiteral("Glyphmux Shared Probe"), other = QStringLiteral("Glyphmux Other Probe");
        const QString shared = f.font(face, "shared.ttf");
        f.refreshes.clear();
        f.choose(1, shared);
        QCOMPARE(f.refreshes.size(), 1); // one redraw per choice
        QCOMPARE(field->text(), face);
        cancelChangesNothing(); // after a choice
        f.choose(0, shared);
        f.choose(0, f.font(other, "other.ttf"));
        QCOMPARE(FontRegistry::instance().registrations(shared), 1);
        QVERIFY(drawnFrom(f.label("riga3pop"), face));
        QVERIFY(drawnFrom(f.label("riga1sms"), other));
        // The same file again in the same slot: let go, taken up anew, redrawn once.
        f.refreshes.clear();
        f.choose(1, shared);
        QCOMPARE(f.refreshes.size(), 1);
        QVERIFY(drawnFrom(f.label("riga3pop"), face));
    }

    void steppersAndItalics()
    {
        Fixture f;
        // From 'start', 'presses' on plus (negative: on minus) give 'result', each redrawing.
        const auto press = [&](std::size_t slot, const QString &start, int presses, const QString &result) {
            f.get(slotTable()[slot].sizeField)->setText(start);
            f.refreshes.clear();
            for (int i = 0; i < std::abs(presses); ++i)
                f.get<QPushButton>(presses > 0 ? slotTable()[slot].plusButton : slotTable()[slot].minusButton)->click();
            QCOMPARE(f.get(slotTable()[slot].sizeField)->text(), result);
            QCOMPARE(f.refreshes.size(), std::abs(presses));
        };
        press(0, "5", -1, "5"); // the lowest sizes stay
        press(1, "5", -2, "4");
        press(2, "16", 300, "316"); // no upper limit
        press(4, "abc", -1, "5");   // not a number: the lowest
        press(3, "abc", 1, "1");
        press(0, "9px", -1, "8"); // the leading number counts

        // IT3 flips exactly the eight labels of its slot, clicked or set by the program.
        const auto italic = [&] {
            QStringList names;
            for (const QLabel *label : f.form.preview().findChildren<QLabel *>())
                if (label->font().italic())
                    names << label->objectName();
            names.sort();
            return names;
        };
        auto *box = f.get<QCheckBox>("IT3");
        f.refreshes.clear();
        QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
        QCOMPARE(italic(), QStringList({"galleriamenu", "galleriapop", "galleriasms", "galleriastandby", "menumenu",
                                        "menupop", "menusms", "menustandby"}));
        box->setChecked(false);
        QVERIFY(italic().isEmpty());
        QCOMPARE(f.refreshes.size(), 2);
        // Each box flips its own slot's labels: all five together slant every label once.
        for (const SlotInfo &slotDef : slotTable())
            f.get<QCheckBox>(slotDef.italicBox)->setChecked(true);
        QCOMPARE(italic().size(), qsizetype(PreviewLabelCount));
    }

    void chromaAndInfo()
    {
        Fixture f;
        auto *spinner = f.get<QScrollBar>("chromascroll");
        spinner->triggerAction(QAbstractSlider::SliderSingleStepSub); // the upper arrow at 100
        QCOMPARE(f.get("chromavalue")->text(), QStringLiteral("100"));
        for (int i = 0; i < 3; ++i)
            spinner->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(f.get("chromavalue")->text(), QStringLiteral("97"));
        spinner->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(f.get("chromavalue")->text(), QStringLiteral("87"));
        spinner->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(f.get("chromavalue")->text(), QStringLiteral("0"));

        // Each red "?" shows its own message and changes nothing else.
        const QStringList lines = glyphmuxIniLines(f.form.fontMap());
        for (const char *name : {"info12b", "info13b", "info17b", "info19b", "info12p"}) {
            QCOMPARE(f.get<QPushButton>(name)->grab().toImage().pixelColor(2, 2), QColor(255, 0, 0));
            f.get<QPushButton>(name)->click();
        }
        QCOMPARE(f.messages.informed,
                 QStringList({"Font degli sms e modo d'uso", "Font del menu popup",
                              "Font del testo nella parte bassa dello schermo",
                              "Font del testo nella parte alta dello schermo", "Font del testo nel menu"}));
        QCOMPARE(glyphmuxIniLines(f.form.fontMap()), lines);
        QCOMPARE(f.messages.warned, QStringList());
        QVERIFY(!QFile::exists(f.cwd.filePath(QStringLiteral("Glyphmux.ini"))));
    }

    void previewDrawsEachChosenFile()
    {
        Fixture f;
        f.form.show();
        // Slot 2 has bold labels: bold is synthesised on ExtraLight. A copy of an
        // installed font kept in another folder draws the same. fontconfig lists
        // the last file as "Test Sans Old Style" alone (one of two spellings that
        // differ in blanks); its name ID 1 is the face.
        const QString copy = f.cwd.filePath(QStringLiteral("copy.ttf"));
        QVERIFY(QFile::copy(dejaVuPath(QStringLiteral("DejaVuSerif-BoldItalic.ttf")), copy));
        const QString chosen[] = {dejaVuPath(QStringLiteral("DejaVuSerif-BoldItalic.ttf")),
                                  dejaVuPath(QStringLiteral("DejaVuSans-ExtraLight.ttf")),
                                  dejaVuPath(QStringLiteral("DejaVuSansCondensed-Bold.ttf")), copy,
                                  writeRenamedFont(f.cwd.path(), "spaced.ttf", familyNames("Test Sans OldStyle", "Book") << windowsName(16, "Test Sans Old Style"))};
        for (std::size_t slot = 0; slot < SlotCount; ++slot)
            f.choose(slot, chosen[slot]);
        for (std::size_t slot = 0; slot < SlotCount; ++slot) {
            QCOMPARE(QRawFont::fromFont(f.labelFont(slot)).fontTable("name"), nameTableOf(chosen[slot]));
            QVERIFY(!f.info.warningMark(slot)->isVisible());
        }
        QCOMPARE(QStringList({f.face(0)->text(), f.face(4)->text()}), QStringList({"DejaVu Serif", "Test Sans OldStyle"}));
        // A typed name is matched as typed again, even the same family.
        f.face(0)->clear();
        QTest::keyClicks(f.face(0), QStringLiteral("DejaVu Serif"));
        QCOMPARE(QFontInfo(f.labelFont(0)).styleName(), QStringLiteral("Book"));
        // Named like an installed family but in other letter case: not taken for it.
        f.choose(0, writeRenamedFont(f.cwd.path(), "upper.ttf", familyNames("DEJAVU SERIF", "Book")));
        QCOMPARE(QRawFont::fromFont(f.labelFont(0)).fontTable("name"), nameTableOf(f.cwd.filePath("upper.ttf")));
        // A face nobody provides is drawn by a substitute, and the mark says which;
        // names as fontconfig compares them, and an empty field, get no mark.
        for (const char *typed : {"Nonexistent Face", "dejavu serif", ""}) {
            f.face(0)->setText(QLatin1String(typed));
            const QString substitute = QFontInfo(f.labelFont(0)).family();
            QCOMPARE(f.info.warningMark(0)->isVisible() ? f.info.warningMark(0)->toolTip() : QString(),
                     *typed == 'N' ? FontMessages::substitute(substitute) : QString());
        }
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
        QVERIFY(mark->toolTip().startsWith(QStringLiteral("missing: à è é")));
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

QTEST_MAIN(TestSlotEditor)
#include "tst_sloteditor.moc"
