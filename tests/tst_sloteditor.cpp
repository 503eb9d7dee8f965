// The slot editor: font choice per slot, size steppers, italic switches,
// chroma, and the information buttons.
#include "core/glyphmuxini.h"
#include "fonts/fontregistry.h"
#include "support/editorwindow.h"
#include "support/truetypebuilder.h"
#include "ui/main/sloteditor.h"

using namespace TestFonts;

namespace {

struct Fixture : EditorWindow {
    QLabel *label(const char *name) const { return get<QLabel>(name); }
    // A drawable font file with a face the system does not know.
    QString font(const QString &face, const char *fileName) const
    {
        return writeRenamedFont(cwd.path(), QLatin1String(fileName), familyNames(face, QStringLiteral("Book")));
    }
};

// Whether the label is drawn from the file whose name table holds 'face'.
bool drawnFrom(const QLabel *label, const QString &face)
{
    return QRawFont::fromFont(label->font()).fontTable("name").contains(utf16be(face));
}

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
        // Cancel keeps the face field, the inspector, the preview and the dialog's last file.
        const auto state = [&] {
            return QStringList{field->text(), editor.dialog(1).fileName, f.label("riga3pop")->font().toString(),
                               QString::number(quintptr(editor.inspector(1)))};
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
        // Typing takes a refused file's note away.
        f.choose(1, f.cwd.filePath(QStringLiteral("gone.ttf")));
        QVERIFY(!field->toolTip().isEmpty());
        QTest::keyClicks(field, QStringLiteral("X"));
        QVERIFY(field->toolTip().isEmpty());

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
};

QTEST_MAIN(TestSlotEditor)
#include "tst_sloteditor.moc"
