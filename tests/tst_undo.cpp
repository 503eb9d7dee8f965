// Undo and redo: each kind of edit is one step that gives back the exact
// state before it (every value, where Save writes, what the labels draw),
// the merge rules, the keys and the font list's audition.
#include "fonts/fontfilereader.h"
#include "support/editorwindow.h"
#include "support/truetypebuilder.h"
#include "ui/main/documenthistory.h"
#include "ui/main/sloteditor.h"
#include "ui/main/undoactions.h"

#include <QUndoStack>

using Edit = std::function<void(EditorWindow &)>;
Q_DECLARE_METATYPE(Edit)

namespace {

// Everything a step must give back: every value, each slot's file, and the
// exact face every label draws.
QStringList state(const EditorWindow &f)
{
    const DocumentHistory::State s = f.form.history().current();
    QStringList out{s.saveTarget, QString::number(s.map.zoom), s.map.chroma, s.map.fontPath};
    for (const FontMap::Slot &v : s.map.slotValues)
        out << v.face << v.file << v.size << v.height << v.width << QString::number(v.italic);
    for (std::size_t i = 0; i < PreviewLabelCount; ++i) {
        const QFont font = f.form.preview().label(i)->font();
        out << QString::number(qHash(QRawFont::fromFont(font).fontTable("name"))) + QString::number(font.italic());
    }
    return out;
}

QAction *undo(const EditorWindow &f) { return f.get<QAction>("cmd_undo"); }
QAction *redo(const EditorWindow &f) { return f.get<QAction>("cmd_redo"); }
int steps(const EditorWindow &f) { return f.form.history().stack().count(); }
Edit typing(const char *field, const char *text)
{
    return [=](EditorWindow &f) { QTest::keyClicks(f.get(field), QLatin1String(text)); };
}
Edit clicking(const char *button) { return [=](EditorWindow &f) { f.get<QAbstractButton>(button)->click(); }; }

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void eachEditIsOneStep_data()
    {
        QTest::addColumn<Edit>("setUp");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<QString>("caption");
        // Slot 1's file after the edit (null: not a font row).
        QTest::addColumn<QString>("file");
        const Edit none = [](EditorWindow &) {};
        const QString serif = TestFonts::dejaVuPath(QStringLiteral("DejaVuSerif-BoldItalic.ttf"));
        const Edit chooseSerif = [=](EditorWindow &f) { f.choose(1, serif); };
        const Edit threeTimes = [](EditorWindow &f) {
            for (int i = 0; i < 6; ++i)
                i < 3 ? QTest::keyClick(f.get<QScrollBar>("ScrollZoom"), Qt::Key_Right)
                      : f.get<QScrollBar>("chromascroll")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            undo(f)->trigger(); // the chroma's run, whole
        };
        QTest::newRow("font chosen") << none << chooseSerif << "font of LatinBold13" << serif;
        QTest::newRow("face emptied by a refused file") << chooseSerif << Edit([](EditorWindow &f) {
            f.choose(1, f.cwd.filePath(QStringLiteral("gone.ttf")));
        }) << "font of LatinBold13" << QStringLiteral("");
        QTest::newRow("size step") << none << clicking(slotTable()[2].plusButton) << "size of LatinBold17" << QString();
        QTest::newRow("size step from below the lowest") << typing("dim12p", "2")
            << clicking(slotTable()[4].minusButton) << "size of LatinPlain12" << QString();
        QTest::newRow("italics") << none << clicking("IT4") << "italics of LatinBold19" << QString();
        QTest::newRow("typing a face") << none << typing("LatinBold12", "DejaVu Sans") << "face name of LatinBold12" << QString();
        QTest::newRow("typing a height") << none << typing("H2", "12") << "height of LatinBold13" << QString();
        QTest::newRow("typing the font path") << none << typing("Text2", "x") << "font path" << QString();
        QTest::newRow("zoom keys, chroma arrows") << none << threeTimes << "zoom" << QString();
        QTest::newRow("file opened") << typing("LatinBold13", "Mine") << Edit([](EditorWindow &f) {
            f.form.openFile(f.cwd.write("a&b.ini", "[FontMap]\nLatinBold12=Serif@14:Y10:I:W8\n[Global]\nZoomRatio=150\n"));
        }) << "opening a&&b.ini" << QString();
    }
    void eachEditIsOneStep()
    {
        QFETCH(Edit, setUp);
        QFETCH(Edit, edit);
        QFETCH(QString, caption);
        QFETCH(QString, file);
        EditorWindow f;
        setUp(f);
        const int stepsBefore = steps(f);
        const QStringList before = state(f);
        edit(f);
        const QStringList after = state(f);
        QVERIFY(after != before);
        QCOMPARE(f.form.history().stack().index(), stepsBefore + 1);
        QCOMPARE(undo(f)->text(), "&Undo " + caption);
        if (!file.isNull())
            QCOMPARE(f.form.fontMap().slotValues[1].file, file);
        undo(f)->trigger();
        QCOMPARE(state(f), before);
        QCOMPARE(redo(f)->text(), "&Redo " + caption);
        redo(f)->trigger();
        QCOMPARE(state(f), after);
        // Back to the start: the initial map, nothing left to undo.
        while (undo(f)->isEnabled())
            undo(f)->trigger();
        QVERIFY(f.form.fontMap() == FontMap::initial());
        QCOMPARE(undo(f)->text(), QStringLiteral("&Undo"));
    }

    void mergeRules()
    {
        EditorWindow f;
        QLineEdit *height = f.get("H1");
        // Keystrokes merge until the focus leaves; typed away again, no step is left.
        QTest::keyClicks(height, QStringLiteral("1"));
        QTest::keyClick(height, Qt::Key_Backspace);
        QCOMPARE(steps(f), 0);
        QTest::keyClicks(height, QStringLiteral("7"));
        QFocusEvent out(QEvent::FocusOut); // the focus leaves
        QCoreApplication::sendEvent(height, &out);
        QTest::keyClicks(height, QStringLiteral("8"));
        QCOMPARE(steps(f), 2);
        // After an undo, typing on is a new step.
        undo(f)->trigger();
        QTest::keyClicks(height, QStringLiteral("9"));
        QCOMPARE(steps(f), 2);
        // One slider press is one step; so is a run of keys; a pause of a second ends a run.
        auto *zoom = f.get<QScrollBar>("ScrollZoom");
        zoom->setSliderDown(true);
        zoom->setValue(110);
        zoom->setValue(120);
        zoom->setSliderDown(false);
        QTest::keyClick(zoom, Qt::Key_Right);
        QTest::keyClick(zoom, Qt::Key_Right);
        QTest::qWait(1100);
        QTest::keyClick(zoom, Qt::Key_Left);
        QCOMPARE(steps(f), 5);
        undo(f)->trigger();
        undo(f)->trigger();
        QCOMPARE(zoom->value(), 120);
        // A cancelled dialog and the preferences add no step.
        f.choose(0, std::nullopt);
        f.get<QAction>("visualizza_pop")->trigger();
        QCOMPARE(f.form.history().stack().index(), 3);
    }

    void keysMenusAndAuditions()
    {
        EditorWindow f;
        f.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        QLineEdit *face = f.face(0);
        face->setFocus();
        QTest::keyClicks(face, QStringLiteral("Ab"));
        f.get<QCheckBox>("IT1")->click();
        // Ctrl+Z in the field undoes the document's last step, not the field's typing.
        QTest::keyClick(face, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!f.form.fontMap().slotValues[0].italic && face->text() == "Ab");
        QTest::keyClick(face, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(face->text(), QString());
        QTest::keyClick(face, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(face->text(), QStringLiteral("Ab"));
        // A field's context menu offers the document's Undo and Redo instead of its own.
        const std::unique_ptr<QMenu> menu(f.get("W1")->createStandardContextMenu());
        f.form.findChild<UndoActions *>()->redirect(*menu);
        QCOMPARE(menu->actions().mid(0, 2), QList<QAction *>({undo(f), redo(f)}));

        // An audition records nothing, then one step from before it, or nothing.
        DocumentHistory &history = f.form.history();
        for (const bool commit : {false, true}) {
            history.beginAudition();
            f.face(2)->setText(QStringLiteral("Tried"));
            f.face(2)->setText(QStringLiteral("Chosen"));
            commit ? history.commitAudition(DocumentHistory::StepKind::Font, 2) : history.cancelAudition();
            QCOMPARE(f.face(2)->text(), commit ? "Chosen" : "");
        }
        QCOMPARE(undo(f)->text(), QStringLiteral("&Undo font of LatinBold17"));
        undo(f)->trigger();
        QCOMPARE(f.face(2)->text(), QString());
        QCOMPARE(face->text(), QStringLiteral("Ab"));
    }
};

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
