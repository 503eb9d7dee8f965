// The keyboard: Return and Escape in the side windows, the shortcuts, the
// Tab order and the zoom bar's keys.
#include "preview/phonepreview.h"
#include "preview/previewmath.h"
#include "support/editorwindow.h"
#include "ui/dialogs/aboutdialog.h"
#include "ui/dialogs/copylistdialog.h"
#include "ui/dialogs/phonemodeldialog.h"

namespace {

struct Fixture : EditorWindow {
    Fixture()
    {
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }
    // Presses a key in a window as the user would: in its focused control.
    static void press(QWidget *window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QApplication::setActiveWindow(window);
        QWidget *focus = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(focus, Qt::Key(key), modifiers);
    }
    bool written() const { return !cwd.read(QStringLiteral("Glyphmux.ini")).isEmpty(); }
};

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void sideWindowKeys_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("key"); // 0: the Cancel button instead
        QTest::addColumn<bool>("saved"); // the phone model's pending save ran
        for (const QString window : {"Form2", "Form3", "frmAbout"}) { // Form2: the phone model
            QTest::addRow("%s, Return", qPrintable(window)) << window << int(Qt::Key_Return) << (window == "Form2");
            QTest::addRow("%s, Escape", qPrintable(window)) << window << int(Qt::Key_Escape) << false;
        }
        QTest::newRow("Form2, Enter") << "Form2" << int(Qt::Key_Enter) << true;
        QTest::newRow("Form2, Cancel") << "Form2" << 0 << false;
    }
    void sideWindowKeys()
    {
        QFETCH(QString, window);
        QFETCH(int, key);
        QFETCH(bool, saved);
        Fixture f;
        SideWindows &side = f.form.sideWindows();
        QWidget *shown = QHash<QString, QWidget *>{
            {"Form2", &side.phoneModel()}, {"Form3", &side.copyList()}, {"frmAbout", &side.about()}}[window];
        if (window == "Form2")
            child<QAction>(&f.form, "cmd_save")->trigger(); // the popup is on: the model is asked
        else
            shown->show();
        QVERIFY(shown->isVisible());
        if (key)
            Fixture::press(shown, key);
        else
            child<QPushButton>(shown, "cmdCancel")->click();
        QTRY_VERIFY(!shown->isVisible());
        QTest::qWait(20);
        QCOMPARE(f.written(), saved);
        QCOMPARE(side.copyList().isVisible(), saved);
        if (window == "Form2") { // a cancelled save waits no more: the next asks again
            child<QAction>(&f.form, "cmd_save")->trigger();
            QVERIFY(shown->isVisible());
        }
    }

    // Ctrl+S saves, F1 shows the about box, Ctrl+Q ends.
    void shortcuts()
    {
        Fixture f;
        child<QAction>(&f.form, "visualizza_pop")->setChecked(false);
        Fixture::press(&f.form, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(f.written());
        Fixture::press(&f.form, Qt::Key_F1);
        QVERIFY(f.form.sideWindows().about().isVisible());
        f.form.sideWindows().about().close();
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        Fixture::press(&f.form, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!f.form.isVisible());
    }

    // Tab visits the font rows left to right, one row after the other,
    // then the other parameters.
    void tabOrder()
    {
        Fixture f;
        QStringList expected;
        for (const SlotInfo &slot : slotTable())
            expected << slot.key << slot.openButton << slot.infoButton << slot.minusButton << slot.sizeField
                     << slot.plusButton << slot.heightField << slot.italicBox << slot.widthField;
        expected << "ScrollZoom" << "chromavalue" << "chromascroll" << "Text2";
        child<QWidget>(&f.form, "LatinBold12")->setFocus();
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            visited << QApplication::focusWidget()->objectName();
            Fixture::press(&f.form, Qt::Key_Tab);
        }
        QCOMPARE(visited, expected);
        QCOMPARE(QApplication::focusWidget()->objectName(), expected.first()); // round again
    }

    // Arrows step the zoom by 1, Page keys by 10 (up is more), a click beside
    // the thumb by 1, within 1 to 300; the zoom follows a dragged thumb.
    void zoom()
    {
        Fixture f;
        auto *zoom = child<QScrollBar>(&f.form, "ScrollZoom");
        auto *shown = child<QLabel>(&f.form, "ValoreZoom");
        zoom->setFocus();
        const std::pair<int, const char *> steps[] = {{Qt::Key_Right, "101"}, {Qt::Key_PageUp, "111"},
                                                      {Qt::Key_PageDown, "101"}, {Qt::Key_Left, "100"}};
        for (const auto &[key, value] : steps) {
            Fixture::press(&f.form, key);
            QCOMPARE(shown->text(), QLatin1String(value));
        }
        zoom->setValue(295);
        Fixture::press(&f.form, Qt::Key_PageUp);
        QCOMPARE(shown->text(), QStringLiteral("300"));
        zoom->setValue(-5);
        zoom->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        zoom->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(shown->text(), QStringLiteral("3"));
        zoom->setSliderDown(true);
        zoom->setSliderPosition(250);
        QCOMPARE(shown->text(), QStringLiteral("250"));
        QCOMPARE(child<QLabel>(&f.form.preview(), "riga1pop")->font().pointSizeF(), double(*previewPointSize(12, 3, 250)));
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
