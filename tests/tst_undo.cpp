// Undo and redo: each kind of edit is one step that gives back the exact
// state before it (every value, where Save writes, what each slot draws),
// the merge rules, the keys and the font list's audition.
#include "support/editorwindow.h"
#include "support/truetypebuilder.h"
#include "fonts/fontfilereader.h"
#include "ui/main/documenthistory.h"
#include "ui/main/sloteditor.h"
#include "ui/main/undoactions.h"

#include <QUndoStack>

using Edit = std::function<void(EditorWindow &)>;
Q_DECLARE_METATYPE(Edit)

namespace {

// Everything a step must give back, in one comparable list. What the labels
// of 'fileSlot' draw is left out: until the chosen file is part of the map,
// an undo cannot give it back (see the 'file' column).
QStringList state(const EditorWindow &f, int fileSlot = -1)
{
    const DocumentHistory::State s = f.form.history().current();
    QStringList out{s.saveTarget, QString::number(s.map.zoom), s.map.chroma, s.map.fontPath};
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const FontMap::Slot &v = s.map.slotValues[i];
        out << v.face << v.size << v.height << v.width << QString::number(v.italic);
    }
    // What each label draws: its font's name table, and its slant.
    for (std::size_t i = 0; i < PreviewLabelCount; ++i) {
        if (int(previewLabelTable()[i].slot) == fileSlot)
            continue;
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
Edit clicking(const char *button, int times = 1)
{
    return [=](EditorWindow &f) {
        for (int i = 0; i < times; ++i)
            f.get<QAbstractButton>(button)->click();
    };
}

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
        // The file slot 1 holds after the edit (null: not a font row). Once the
        // map holds each slot's file, state() compares it, and slot 1's labels
        // are compared too.
        QTest::addColumn<QString>("file");
        const Edit none = [](EditorWindow &) {};
        const QString serif = TestFonts::dejaVuPath(QStringLiteral("DejaVuSerif-BoldItalic.ttf"));
        QTest::newRow("font chosen") << none << Edit([=](EditorWindow &f) { f.choose(1, serif); })
                                     << "font of LatinBold13" << serif;
        QTest::newRow("face emptied by a refused file")
            << Edit([=](EditorWindow &f) { f.choose(1, serif); })
            << Edit([](EditorWindow &f) { f.choose(1, f.cwd.filePath(QStringLiteral("gone.ttf"))); })
            << "font of LatinBold13" << QStringLiteral("");
        QTest::newRow("size step") << none << clicking(slotTable()[2].plusButton) << "size of LatinBold17" << QString();
        QTest::newRow("size step from below the lowest")
            << Edit([](EditorWindow &f) { f.get("dim12p")->setText(QStringLiteral("2")); })
            << clicking(slotTable()[4].minusButton) << "size of LatinPlain12" << QString();
        QTest::newRow("italics") << none << clicking("IT4") << "italics of LatinBold19" << QString();
        QTest::newRow("typing a face") << none << typing("LatinBold12", "DejaVu Sans") << "face name of LatinBold12"
                                       << QString();
        QTest::newRow("typing a height") << none << typing("H2", "12") << "height of LatinBold13" << QString();
        QTest::newRow("typing a width") << none << typing("W5", "3") << "width of LatinPlain12" << QString();
        QTest::newRow("typing the font path") << none << typing("Text2", "x") << "font path" << QString();
        QTest::newRow("zoom keys") << none << Edit([](EditorWindow &f) {
            for (int i = 0; i < 3; ++i)
                QTest::keyClick(f.get<QScrollBar>("ScrollZoom"), Qt::Key_Right);
        }) << "zoom" << QString();
        QTest::newRow("chroma arrows") << none << Edit([](EditorWindow &f) {
            for (int i = 0; i < 3; ++i)
                f.get<QScrollBar>("chromascroll")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        }) << "chroma" << QString();
        QTest::newRow("file opened") << Edit([](EditorWindow &f) { f.get("LatinBold13")->setText("Mine"); })
                                     << Edit([](EditorWindow &f) {
                                            f.form.openFile(f.cwd.write(QStringLiteral("a&b.ini"),
                                                "[FontMap]\nLatinBold12=DejaVu Serif@14:Y10:I:W8\n[Global]\nZoomRatio=150\nChroma=70\n"));
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
        const int fileSlot = file.isNull() ? -1 : 1;
        const QStringList before = state(f, fileSlot);
        const int stepsBefore = steps(f);
        edit(f);
        const QStringList after = state(f, fileSlot);
        QVERIFY(after != before);
        QCOMPARE(steps(f), stepsBefore + 1);
        QCOMPARE(undo(f)->text(), "&Undo " + caption);
        if (!file.isEmpty())
            QCOMPARE(f.form.slotEditor().reader(1)->fontFile(), file);
        undo(f)->trigger();
        QCOMPARE(state(f, fileSlot), before);
        QCOMPARE(redo(f)->text(), "&Redo " + caption);
        redo(f)->trigger();
        QCOMPARE(state(f, fileSlot), after);
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
        QTest::keyClicks(height, QStringLiteral("12"));
        QTest::keyClick(height, Qt::Key_Backspace);
        QCOMPARE(steps(f), 1);
        QTest::keyClick(height, Qt::Key_Backspace);
        QCOMPARE(steps(f), 0);
        QTest::keyClicks(height, QStringLiteral("7"));
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(height, &out);
        QTest::keyClicks(height, QStringLiteral("8"));
        QCOMPARE(steps(f), 2);
        // After an undo, typing on is a new step.
        undo(f)->trigger();
        QTest::keyClicks(height, QStringLiteral("9"));
        QCOMPARE(height->text(), QStringLiteral("79"));
        QCOMPARE(steps(f), 2);

        // One slider press is one step; so is a run of keys; a pause of a second ends a run.
        auto *zoom = f.get<QScrollBar>("ScrollZoom");
        zoom->setSliderDown(true);
        zoom->setValue(110);
        zoom->setValue(120);
        zoom->setSliderDown(false);
        QTest::keyClick(zoom, Qt::Key_Right);
        QTest::keyClick(zoom, Qt::Key_Right);
        QCOMPARE(steps(f), 4);
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

    void keysAndContextMenusAreTheDocuments()
    {
        EditorWindow f;
        f.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        QLineEdit *face = f.face(0);
        face->setFocus();
        QTest::keyClicks(face, QStringLiteral("Ab"));
        f.get<QCheckBox>("IT1")->click();
        face->setFocus();
        // Ctrl+Z in the field undoes the document's last step, not the field's typing.
        QTest::keyClick(face, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!f.form.fontMap().slotValues[0].italic);
        QCOMPARE(face->text(), QStringLiteral("Ab"));
        QTest::keyClick(face, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(face->text(), QString());
        QTest::keyClick(face, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(face->text(), QStringLiteral("Ab"));

        const std::unique_ptr<QMenu> menu(f.get("W1")->createStandardContextMenu());
        f.form.findChild<UndoActions *>()->redirect(*menu);
        QVERIFY(menu->actions().contains(undo(f)));
        QVERIFY(menu->actions().contains(redo(f)));
        QCOMPARE(menu->actions().size(), 9); // nothing else gone
    }

    void audition()
    {
        EditorWindow f;
        DocumentHistory &history = f.form.history();
        f.face(2)->setText(QStringLiteral("Before"));
        for (const bool commit : {false, true}) {
            history.beginAudition();
            f.face(2)->setText(QStringLiteral("Tried"));
            f.face(2)->setText(QStringLiteral("Chosen"));
            commit ? history.commitAudition(DocumentHistory::StepKind::Font, 2) : history.cancelAudition();
        }
        QCOMPARE(steps(f), 2);
        QCOMPARE(undo(f)->text(), QStringLiteral("&Undo font of LatinBold17"));
        undo(f)->trigger();
        QCOMPARE(f.face(2)->text(), QStringLiteral("Before"));
    }
};

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
