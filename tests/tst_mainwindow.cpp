// The main window: its initial font map, layout, menus, writeIni, the Tab
// order and the zoom bar's keys.
#include "preview/previewmath.h"
#include "support/expectedini.h"
#include "support/editorwindow.h"

namespace {
struct Fixture : EditorWindow {
    QByteArray ini() const { return cwd.read(QStringLiteral("Glyphmux.ini")); }
    void showActive()
    {
        form.show();
        QApplication::setActiveWindow(&form);
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }
    // A key pressed as the user would: in the focused control.
    void press(int key) { QTest::keyClick(form.focusWidget() ? form.focusWidget() : &form, Qt::Key(key)); }
};
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void saveWritesWhatTheControlsHold()
    {
        Fixture f;
        QVERIFY(f.form.windowTitle().startsWith("Glyphmux GUI 1.2.4  2nd edition" + QString(72, u' ') + "glyphmux-gui@"));
        QCOMPARE(f.get<QLabel>("ValoreZoom")->text(), QStringLiteral("100"));
        for (const char *locked : {"dim12b", "dim13b", "dim17b", "dim19b", "dim12p", "chromavalue"})
            QVERIFY2(f.get(locked)->isReadOnly(), locked);
        QStringList slotLines = {"LatinBold12=@12:Y:W", "LatinBold13=@12:Y:W", "LatinBold17=@16:Y:W",
                                 "LatinBold19=@16:Y:W", "LatinPlain12=@12:Y:W"};
        QVERIFY(f.form.writeIni());
        QCOMPARE(f.ini(), utf16FileBytes(expectedIniLines(slotLines, plainAliasLines(QString()))));

        // Set, stepped and typed values each reach their place; height and width
        // are free texts, and nothing redraws for them.
        const QString face = QStringLiteral("Nokia Sans S60");
        f.get("LatinBold13")->setText(face);
        QTest::mouseClick(f.get<QPushButton>("Command6"), Qt::LeftButton); // size 13
        f.refreshes.clear();
        QTest::keyClicks(f.get("H2"), QStringLiteral("x1"));
        f.get("H2")->setCursorPosition(1); // typing inside a text leaves the rest where it was
        QTest::keyClicks(f.get("H2"), QStringLiteral("yz"));
        QTest::keyClicks(f.get("W2"), QStringLiteral("9 a"));
        QCOMPARE(f.refreshes.size(), 0);
        f.get("H1")->setText(QStringLiteral("10"));
        f.get("W1")->setText(QStringLiteral("8"));
        f.get<QCheckBox>("IT1")->setChecked(true);
        f.get("Text2")->setText(QStringLiteral("e:\\fonts\\"));
        f.get<QScrollBar>("ScrollZoom")->setValue(1);
        slotLines[0] = QStringLiteral("LatinBold12=@12:Y10:I:W8");
        slotLines[1] = "LatinBold13=" + face + "@13:Yxyz1:W9 a";
        QStringList aliases = plainAliasLines(face);
        aliases[6] += QStringLiteral(":I");
        aliases[13] += QStringLiteral(":I");
        const QByteArray expected = utf16FileBytes(expectedIniLines(slotLines, aliases, "1", "100", "e:\\fonts\\"));
        for (int round = 0; round < 2; ++round) { // the same bytes again without a change
            QVERIFY(f.form.writeIni());
            QCOMPARE(f.ini(), expected);
        }
        QVERIFY(f.messages.warned.isEmpty());
    }

    void layoutAndMenus()
    {
        Fixture f;
        QCOMPARE(f.form.centralWidget()->size(), QSize(744, 388));
        const std::pair<const char *, QRect> boxes[] = { // px, relative to the parent
            {"Frame2", {8, 224, 289, 161}}, {"LatinBold17", {72, 80, 153, 19}}, {"Apri5", {232, 128, 25, 17}},
            {"Command4", {24, 32, 17, 17}}, {"IT4", {80, 104, 17, 17}},         {"info12p", {272, 352, 17, 17}},
            {"ScrollZoom", {8, 48, 105, 17}}, {"chromascroll", {88, 88, 17, 17}}};
        for (const auto &[name, box] : boxes)
            QVERIFY2(f.get<QWidget>(name)->geometry() == box, name);
        // Every slot's row, in each column, 24 px below the one before.
        const char *columns[][5] = {{"LatinBold12", "LatinBold13", "LatinBold17", "LatinBold19", "LatinPlain12"},
                                    {"Apri1", "Apri2", "Apri3", "Apri4", "Apri5"}, {"dim12b", "dim13b", "dim17b", "dim19b", "dim12p"},
                                    {"IT1", "IT2", "IT3", "IT4", "IT5"}, {"info12b", "info13b", "info17b", "info19b", "info12p"}};
        for (const auto &column : columns)
            for (int i = 1; i < 5; ++i)
                QVERIFY2(f.get<QWidget>(column[i])->y() == f.get<QWidget>(column[0])->y() + 24 * i, column[i]);
        // name=text of each entry as shown, a separator as name-, a menu's entries in brackets.
        std::function<QString(const QList<QAction *> &)> tree = [&](const QList<QAction *> &actions) {
            QStringList out;
            for (const QAction *a : actions)
                out << (a->menu() ? a->menu()->objectName() : a->objectName())
                           + (a->isSeparator() ? QStringLiteral("-") : "=" + QString(a->text()).remove(u'&'))
                           + (a->menu() ? "[" + tree(a->menu()->actions()) + "]" : QString());
            return out.join(u',');
        };
        QCOMPARE(tree(f.form.menuBar()->actions()),
                 QStringLiteral("cmd_file=File[cmd_open=Open Glyphmux.ini…,cmd_recent=Open Recent[],cmd_save=Save to Glyphmux.ini,cmd_export=Export for the phone…,cccc-,cmd_exit=Exit],"
                                "editMenu=Edit[cmd_undo=Undo,cmd_redo=Redo],viewMenu=View[cmd_phonepixels=Phone pixels…,cmd_fontlist=Font list…],cmd_settings=Settings[cmd_lang=Language,visualizza_pop=Show information popup],cmd_help=?"));
    }

    // Tab visits the font rows left to right, one row after the other,
    // then the other parameters.
    void tabOrder()
    {
        Fixture f;
        f.showActive();
        QStringList expected;
        for (const SlotInfo &slot : slotTable())
            expected << slot.key << slot.openButton << slot.infoButton << slot.minusButton << slot.sizeField
                     << slot.plusButton << slot.heightField << slot.italicBox << slot.widthField;
        expected << "ScrollZoom" << "chromavalue" << "chromascroll" << "Text2";
        child<QWidget>(&f.form, "LatinBold12")->setFocus();
        QStringList visited;
        for (int i = 0; i < expected.size(); ++i) {
            visited << QApplication::focusWidget()->objectName();
            f.press(Qt::Key_Tab);
        }
        QCOMPARE(visited, expected);
        QCOMPARE(QApplication::focusWidget()->objectName(), expected.first()); // round again
    }

    // Arrows step the zoom by 1, Page keys by 10 (up is more), a click beside
    // the thumb by 1, within 1 to 300; the zoom follows a dragged thumb.
    void zoom()
    {
        Fixture f;
        f.showActive();
        auto *zoom = child<QScrollBar>(&f.form, "ScrollZoom");
        auto *shown = child<QLabel>(&f.form, "ValoreZoom");
        zoom->setFocus();
        const std::pair<int, const char *> steps[] = {{Qt::Key_Right, "101"}, {Qt::Key_PageUp, "111"},
                                                      {Qt::Key_PageDown, "101"}, {Qt::Key_Left, "100"}};
        for (const auto &[key, value] : steps) {
            f.press(key);
            QCOMPARE(shown->text(), QLatin1String(value));
        }
        zoom->setValue(295);
        f.press(Qt::Key_PageUp);
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

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
