// The slot editor: font choice per slot, size steppers, italic switches,
// chroma and zoom, the information buttons, and one edit from the open
// button to the saved file.
#include "core/fontmap.h"
#include "fonts/bytereader.h"
#include "fonts/cfontpreview.h"
#include "fonts/fontregistry.h"
#include "preview/phonepreview.h"
#include "preview/previewmath.h"
#include "support/expectedini.h"
#include "support/messagerecorder.h"
#include "support/scriptedchooser.h"
#include "support/tempcwd.h"
#include "support/truetypebuilder.h"
#include "support/ui.h"
#include "ui/main/form1.h"
#include "ui/main/sloteditor.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRawFont>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace TestFonts;

namespace {

// A main window in its own folder, with scripted dialogs and recorded boxes.
struct Fixture {
    TempCwd cwd;
    MessageRecorder messages;
    ScriptedChooser chooser;
    Form1 form{&chooser, &messages};
    QSignalSpy refreshes{&form.preview(), &PhonePreview::refreshed};

    template <typename T = QLineEdit>
    T *get(const char *name) const { return child<T>(&form, name); }
    QLabel *label(const char *name) const { return child<QLabel>(&form.preview(), name); }
    const CFontPreview *inspector(std::size_t slot) const { return form.slotEditor().inspector(slot); }
    void click(const char *button) const { get<QPushButton>(button)->click(); }
    QStringList iniLines() const { return glyphmuxIniLines(form.fontMap()); }

    // A drawable font file whose face, "<family>", the system does not know.
    QString unknownFont(const QString &family, const QString &fileName) const
    {
        const QString path = writeRenamedFont(cwd.path(), fileName, familyNames(family, QStringLiteral("Book")));
        if (path.isEmpty())
            qFatal("cannot write %s", qPrintable(fileName));
        return path;
    }
    QString writeFile(const QString &fileName, const QByteArray &bytes) const
    {
        cwd.write(fileName, bytes);
        return cwd.filePath(fileName);
    }
    // Answers the next dialog with 'path' and clicks the slot's open button.
    void choose(std::size_t slot, const QString &path)
    {
        chooser.answer(path);
        click(slotTable()[slot].openButton);
    }
};

// The full name (ID 4) in the "name" table of the file Qt draws the label
// with: tells exactly which font file was used.
QString drawnFullName(const QLabel *label)
{
    const QByteArray name = QRawFont::fromFont(label->font()).fontTable("name");
    const auto tables = TrueType::readFontTables(MemorySource(sfnt({{"head", headTable()}, {"name", name}})));
    return tables.names ? TrueType::nameString(*tables.names, TrueType::FullNameId, 0x0409) : QString();
}

QStringList italicLabels(const Fixture &f)
{
    QStringList italic;
    for (const SlotSpec &slotDef : slotTable())
        for (const char *name : slotDef.previewLabels)
            if (f.label(name)->font().italic())
                italic << QLatin1String(name);
    return italic;
}

QStringList labelsOf(std::size_t slot)
{
    QStringList names;
    for (const char *name : slotTable()[slot].previewLabels)
        names << QLatin1String(name);
    return names;
}

enum class FontKind { Unknown, Installed, NotAFont, NoOutlines, Missing };

} // namespace

Q_DECLARE_METATYPE(FontKind)

class TestSlotEditor : public QObject
{
    Q_OBJECT

private slots:
    void dialogsAsShown();
    void realDialogShowsTheSlotsSettings();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void choiceOverwritesTheFace_data();
    void choiceOverwritesTheFace();
    void sameFileInTwoSlotsStaysDrawable();
    void steppers_data();
    void steppers();
    void italicSwitchFlipsOnlyItsSlot_data();
    void italicSwitchFlipsOnlyItsSlot();
    void chromaSpinner_data();
    void chromaSpinner();
    void chromaTextThatIsNoNumber();
    void spinnerIsTwoArrows();
    void zoomFollowsTheThumb();
    void zoomBarLimitsAndArrows();
    void infoButtons_data();
    void infoButtons();
    void wholeRoadToTheFile();
};

void TestSlotEditor::dialogsAsShown()
{
    Fixture f;
    for (std::size_t i = 0; i < SlotCount; ++i) {
        f.chooser.cancel();
        f.click(slotTable()[i].openButton);
    }
    QCOMPARE(f.chooser.shown.size(), 5);
    for (int i = 0; i < 5; ++i) {
        const FileDialogState &shown = f.chooser.shown[i];
        QCOMPARE(shown.initialFolder, QCoreApplication::applicationDirPath());
        QCOMPARE(shown.filter, QStringLiteral("Font file (*.ttf)"));
        QCOMPARE(shown.title, i == 0 ? QStringLiteral("Apri TTF") : QString());
        QCOMPARE(shown.defaultSuffix, i == 0 ? QStringLiteral("ttf") : QString());
        QVERIFY(shown.fileName.isEmpty());
    }

    // Each dialog keeps its own last file, also after a cancel.
    const QString path = dejaVuPath(QStringLiteral("DejaVuSerif.ttf"));
    f.choose(3, path);
    f.chooser.cancel();
    f.click("Apri4");
    f.chooser.cancel();
    f.click("Apri4");
    f.chooser.cancel();
    f.click("Apri3");
    QCOMPARE(f.chooser.shown[6].fileName, path);
    QCOMPARE(f.chooser.shown[7].fileName, path);
    QVERIFY(f.chooser.shown[8].fileName.isEmpty());
    QCOMPARE(f.chooser.pending(), 0);
}

void TestSlotEditor::realDialogShowsTheSlotsSettings()
{
    TempCwd cwd;
    MessageRecorder messages;
    Form1 form(nullptr, &messages);
    struct Seen {
        QString title, folder, suffix;
        QStringList filters;
    };
    QList<Seen> seen;
    const auto cancelNextDialog = [&] {
        QTimer::singleShot(0, &form, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *dialog = qobject_cast<QFileDialog *>(modal))
                seen.append({dialog->windowTitle(), dialog->directory().absolutePath(),
                             dialog->defaultSuffix(), dialog->nameFilters()});
            if (modal)
                modal->close(); // whatever opened, never leave the test waiting on it
        });
    };
    cancelNextDialog();
    child<QPushButton>(&form, "Apri1")->click();
    cancelNextDialog();
    child<QPushButton>(&form, "Apri2")->click();

    QCOMPARE(seen.size(), 2);
    const QString programFolder = QDir(QCoreApplication::applicationDirPath()).absolutePath();
    QCOMPARE(seen[0].title, QStringLiteral("Apri TTF"));
    QVERIFY(seen[1].title != QStringLiteral("Apri TTF"));
    for (const Seen &s : seen) {
        QCOMPARE(s.folder, programFolder);
        QCOMPARE(s.filters, QStringList{QStringLiteral("Font file (*.ttf)")});
    }
    QCOMPARE(seen[0].suffix, QStringLiteral("ttf"));
    QVERIFY(seen[1].suffix.isEmpty());
    QVERIFY(child<QLineEdit>(&form, "LatinBold12")->text().isEmpty());
}

void TestSlotEditor::cancelChangesNothing_data()
{
    QTest::addColumn<bool>("chooseFirst");
    QTest::addColumn<QString>("typed");

    QTest::newRow("first open") << false << QString();
    QTest::newRow("face typed by hand") << false << QStringLiteral("Typed By Hand");
    QTest::newRow("after a choice") << true << QString();
}

void TestSlotEditor::cancelChangesNothing()
{
    QFETCH(bool, chooseFirst);
    QFETCH(QString, typed);
    Fixture f;
    const QString face = QStringLiteral("Glyphmux Cancel Probe");
    QString path;
    if (chooseFirst) {
        path = f.unknownFont(face, QStringLiteral("cancel.ttf"));
        f.choose(2, path);
        QCOMPARE(f.get("LatinBold17")->text(), face);
    }
    if (!typed.isEmpty())
        f.get("LatinBold17")->setText(typed);
    const QString faceBefore = f.get("LatinBold17")->text();
    const CFontPreview *inspectorBefore = f.inspector(2);
    const QFont labelBefore = f.label("menustandby")->font();
    const int registered = FontRegistry::instance().registrations(path);
    f.refreshes.clear();

    f.chooser.cancel();
    f.click("Apri3");

    QCOMPARE(f.get("LatinBold17")->text(), faceBefore);
    QCOMPARE(f.inspector(2), inspectorBefore);
    QCOMPARE(f.label("menustandby")->font(), labelBefore);
    QCOMPARE(f.refreshes.size(), 0);
    QCOMPARE(f.form.slotEditor().dialog(2).fileName, path);
    if (chooseFirst) {
        QCOMPARE(FontRegistry::instance().registrations(path), registered);
        QCOMPARE(drawnFullName(f.label("menustandby")), face + QStringLiteral(" Book"));
    }
}

void TestSlotEditor::choiceOverwritesTheFace_data()
{
    QTest::addColumn<FontKind>("kind");
    QTest::addColumn<QString>("face"); // empty: no usable face

    QTest::newRow("face the system does not know") << FontKind::Unknown << QStringLiteral("Glyphmux Choice Probe");
    QTest::newRow("installed face") << FontKind::Installed << QStringLiteral("DejaVu Serif");
    QTest::newRow("not a font") << FontKind::NotAFont << QString();
    QTest::newRow("names but no outlines") << FontKind::NoOutlines << QString();
    QTest::newRow("file gone") << FontKind::Missing << QString();
}

void TestSlotEditor::choiceOverwritesTheFace()
{
    QFETCH(FontKind, kind);
    QFETCH(QString, face);
    Fixture f;
    QString path;
    switch (kind) {
    case FontKind::Unknown:
        path = f.unknownFont(face, QStringLiteral("choice.ttf"));
        break;
    case FontKind::Installed:
        path = dejaVuPath(QStringLiteral("DejaVuSerif.ttf"));
        break;
    case FontKind::NotAFont:
        path = f.writeFile(QStringLiteral("notes.ttf"), "These are not the glyphs you are looking for.\n");
        break;
    case FontKind::NoOutlines:
        path = f.writeFile(QStringLiteral("names.ttf"),
                           buildTrueType(familyNames(QStringLiteral("Glyphmux Hollow"), QStringLiteral("Book"))));
        break;
    case FontKind::Missing:
        path = f.cwd.filePath(QStringLiteral("gone.ttf"));
        break;
    }
    QLineEdit *field = f.get("LatinBold19");
    field->setText(QStringLiteral("Typed By Hand"));
    f.refreshes.clear();

    f.choose(3, path);

    QCOMPARE(field->text(), face);
    QVERIFY(f.inspector(3));
    QCOMPARE(f.inspector(3)->FaceName(), face);
    QVERIFY(f.refreshes.size() >= 1);
    if (face.isEmpty()) {
        QCOMPARE(field->toolTip(), SlotEditor::noFaceMessage(path));
        QVERIFY(field->toolTip().contains(QDir::toNativeSeparators(path)));
    } else {
        QVERIFY(field->toolTip().isEmpty());
        for (const char *name : slotTable()[3].previewLabels)
            QCOMPARE(QFontInfo(f.label(name)->font()).family(), face);
    }
    // The other slots keep what they had.
    QVERIFY(f.get("LatinBold17")->text().isEmpty());
    QVERIFY(!f.inspector(2));

    // A good choice afterwards takes the note away; so does typing.
    f.choose(3, dejaVuPath(QStringLiteral("DejaVuSansMono.ttf")));
    QCOMPARE(field->text(), QStringLiteral("DejaVu Sans Mono"));
    QVERIFY(field->toolTip().isEmpty());
    f.choose(3, f.writeFile(QStringLiteral("empty.ttf"), QByteArray()));
    QVERIFY(field->text().isEmpty());
    QVERIFY(!field->toolTip().isEmpty());
    QTest::keyClicks(field, QStringLiteral("X"));
    QVERIFY(field->toolTip().isEmpty());
}

void TestSlotEditor::sameFileInTwoSlotsStaysDrawable()
{
    Fixture f;
    const QString face = QStringLiteral("Glyphmux Shared Probe");
    const QString shared = f.unknownFont(face, QStringLiteral("shared.ttf"));
    FontRegistry &registry = FontRegistry::instance();

    f.choose(0, shared);
    f.choose(1, shared);
    QCOMPARE(f.get("LatinBold12")->text(), face);
    QCOMPARE(f.get("LatinBold13")->text(), face);
    QCOMPARE(registry.registrations(shared), 2);

    f.choose(0, f.unknownFont(QStringLiteral("Glyphmux Other Probe"), QStringLiteral("other.ttf")));
    QCOMPARE(f.get("LatinBold12")->text(), QStringLiteral("Glyphmux Other Probe"));
    QCOMPARE(registry.registrations(shared), 1);
    QVERIFY(registry.isFaceKnown(face));
    QCOMPARE(drawnFullName(f.label("riga3pop")), face + QStringLiteral(" Book"));
    QCOMPARE(drawnFullName(f.label("riga1sms")), QStringLiteral("Glyphmux Other Probe Book"));

    // The same file again in the same slot: let go, then taken up anew.
    f.choose(1, shared);
    QCOMPARE(registry.registrations(shared), 1);
    QCOMPARE(drawnFullName(f.label("riga3pop")), face + QStringLiteral(" Book"));

    f.choose(1, dejaVuPath(QStringLiteral("DejaVuSerif.ttf")));
    QCOMPARE(registry.registrations(shared), 0);
    QVERIFY(!registry.isFaceKnown(face));
}

void TestSlotEditor::steppers_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("plus");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("expected");

    QTest::newRow("LatinBold12 minus at its lowest 5") << 0 << "5" << false << 1 << "5";
    QTest::newRow("LatinBold12 plus from 5") << 0 << "5" << true << 1 << "6";
    QTest::newRow("LatinBold12 minus from 12") << 0 << "12" << false << 1 << "11";
    QTest::newRow("LatinBold13 minus at its lowest 4") << 1 << "4" << false << 1 << "4";
    QTest::newRow("LatinBold13 minus from 5") << 1 << "5" << false << 1 << "4";
    QTest::newRow("LatinBold13 minus down to the floor") << 1 << "12" << false << 20 << "4";
    QTest::newRow("LatinBold17 no upper limit") << 2 << "16" << true << 300 << "316";
    QTest::newRow("LatinBold19 below lowest") << 3 << "2" << false << 1 << "4";
    QTest::newRow("LatinPlain12 letters minus") << 4 << "abc" << false << 1 << "5";
    QTest::newRow("LatinBold13 letters minus") << 1 << "abc" << false << 1 << "4";
    QTest::newRow("LatinBold19 letters plus") << 3 << "abc" << true << 1 << "1";
    QTest::newRow("LatinBold12 number with tail minus") << 0 << "9px" << false << 1 << "8";
}

void TestSlotEditor::steppers()
{
    QFETCH(int, slot);
    QFETCH(QString, start);
    QFETCH(bool, plus);
    QFETCH(int, presses);
    QFETCH(QString, expected);
    Fixture f;
    const SlotSpec &slotDef = slotTable()[slot];
    QLineEdit *size = f.get(slotDef.sizeField);
    size->setText(start);
    const QStringList before = f.iniLines();
    f.refreshes.clear();

    for (int i = 0; i < presses; ++i)
        f.click(plus ? slotDef.plusButton : slotDef.minusButton);

    QCOMPARE(size->text(), expected);
    QCOMPARE(f.refreshes.size(), presses);
    // Only the slot's size changed in the font map.
    QStringList after = f.iniLines();
    QCOMPARE(after.size(), before.size());
    int changed = 0;
    for (int i = 0; i < after.size(); ++i)
        changed += after[i] != before[i];
    QCOMPARE(changed, start == expected ? 0 : 1);
    // A size at or below the slot's offset draws nothing new: the label keeps its size.
    QLabel *label = f.label(slotDef.previewLabels[0]);
    const std::optional<float> points = previewPointSize(expected.toDouble(), slotDef.previewSizeOffset, 100);
    const std::optional<float> initial = previewPointSize(slotDef.initialSize, slotDef.previewSizeOffset, 100);
    QCOMPARE(label->font().pointSizeF(), double(points ? *points : *initial));
}

void TestSlotEditor::italicSwitchFlipsOnlyItsSlot_data()
{
    QTest::addColumn<int>("slot");
    for (std::size_t i = 0; i < SlotCount; ++i)
        QTest::newRow(slotTable()[i].italicBox) << int(i);
}

void TestSlotEditor::italicSwitchFlipsOnlyItsSlot()
{
    QFETCH(int, slot);
    Fixture f;
    f.form.show();
    auto *box = f.get<QCheckBox>(slotTable()[slot].italicBox);
    QVERIFY(italicLabels(f).isEmpty());

    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    QVERIFY(box->isChecked());
    QCOMPARE(italicLabels(f), labelsOf(slot));
    QCOMPARE(f.refreshes.size(), 1);

    // Changed by the program, the box flips them back the same way.
    box->setChecked(false);
    QVERIFY(italicLabels(f).isEmpty());
    QCOMPARE(f.refreshes.size(), 2);

    // A refresh for another reason keeps the slant.
    box->setChecked(true);
    f.click("Command5");
    f.choose(0, dejaVuPath(QStringLiteral("DejaVuSerif.ttf")));
    QCOMPARE(italicLabels(f), labelsOf(slot));
}

void TestSlotEditor::chromaSpinner_data()
{
    using A = QAbstractSlider::SliderAction;
    QTest::addColumn<QList<int>>("actions");
    QTest::addColumn<QString>("chroma");

    QTest::newRow("upper arrow at 100") << QList<int>{A::SliderSingleStepSub} << "100";
    QTest::newRow("three lower arrows") << QList<int>{A::SliderSingleStepAdd, A::SliderSingleStepAdd,
                                                      A::SliderSingleStepAdd} << "97";
    QTest::newRow("then a page down") << QList<int>{A::SliderSingleStepAdd, A::SliderSingleStepAdd,
                                                    A::SliderSingleStepAdd, A::SliderPageStepAdd} << "87";
    QTest::newRow("page down and back up") << QList<int>{A::SliderPageStepAdd, A::SliderPageStepAdd,
                                                         A::SliderSingleStepSub} << "81";
    QTest::newRow("to the bottom and past") << QList<int>{A::SliderToMaximum, A::SliderSingleStepAdd} << "0";
}

void TestSlotEditor::chromaSpinner()
{
    QFETCH(QList<int>, actions);
    QFETCH(QString, chroma);
    Fixture f;
    auto *spinner = f.get<QScrollBar>("chromascroll");
    for (int action : actions)
        spinner->triggerAction(QAbstractSlider::SliderAction(action));

    QCOMPARE(f.get("chromavalue")->text(), chroma);
    QCOMPARE(spinner->value(), 100 - chroma.toInt());
    const int grey = chromaGrey(chroma.toDouble());
    QCOMPARE(f.form.preview().textColour(), QColor(grey, grey, grey));
    QCOMPARE(f.iniLines()[7], QStringLiteral("Chroma=") + chroma);
}

void TestSlotEditor::chromaTextThatIsNoNumber()
{
    Fixture f;
    f.get<QScrollBar>("chromascroll")->setValue(13);
    const QColor before = f.form.preview().textColour();
    f.refreshes.clear();
    f.get("chromavalue")->setText(QStringLiteral("abc"));
    QCOMPARE(f.refreshes.size(), 1);
    QCOMPARE(f.form.preview().textColour(), before);
    // The spinner takes over again at its next step.
    f.get<QScrollBar>("chromascroll")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(f.get("chromavalue")->text(), QStringLiteral("86"));
}

void TestSlotEditor::spinnerIsTwoArrows()
{
    Fixture f;
    f.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.form));
    auto *spinner = f.get<QScrollBar>("chromascroll");
    QCOMPARE(spinner->size(), QSize(17, 17));
    // Its halves are the two arrows, one step each; the odd middle row
    // between them is their divider. Nowhere a page step: no groove shows.
    const int middle = spinner->height() / 2;
    for (int y = 0; y < spinner->height(); ++y) {
        spinner->setValue(50);
        QTest::mouseClick(spinner, Qt::LeftButton, {}, QPoint(8, y));
        const int step = spinner->value() - 50;
        const bool right = y < middle ? step == -1 : y > middle ? step == 1 : std::abs(step) <= 1;
        QVERIFY2(right, qPrintable(QStringLiteral("at y %1 the value moved by %2").arg(y).arg(step)));
        QCOMPARE(f.get("chromavalue")->text(), QString::number(100 - spinner->value()));
    }
}

void TestSlotEditor::zoomFollowsTheThumb()
{
    Fixture f;
    auto *zoom = f.get<QScrollBar>("ScrollZoom");
    QLabel *shown = f.get<QLabel>("ValoreZoom");
    QLabel *popLine = f.label("riga1pop");
    zoom->setSliderDown(true);
    for (int position = 110; position <= 250; position += 10) {
        f.refreshes.clear();
        zoom->setSliderPosition(position);
        QCOMPARE(shown->text(), QString::number(position));
        QCOMPARE(f.refreshes.size(), 1);
        QCOMPARE(popLine->font().pointSizeF(), double(*previewPointSize(12, 3, position)));
    }
    zoom->setSliderDown(false);
    QCOMPARE(zoom->value(), 250);
    QCOMPARE(shown->text(), QStringLiteral("250"));
    QCOMPARE(f.iniLines()[6], QStringLiteral("ZoomRatio=250"));
}

void TestSlotEditor::zoomBarLimitsAndArrows()
{
    Fixture f;
    f.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.form));
    auto *zoom = f.get<QScrollBar>("ScrollZoom");
    QLabel *shown = f.get<QLabel>("ValoreZoom");
    const QPoint leftArrow(3, zoom->height() / 2);
    const QPoint rightArrow(zoom->width() - 4, zoom->height() / 2);

    QTest::mouseClick(zoom, Qt::LeftButton, {}, rightArrow);
    QCOMPARE(shown->text(), QStringLiteral("101"));
    QTest::mouseClick(zoom, Qt::LeftButton, {}, leftArrow);
    QTest::mouseClick(zoom, Qt::LeftButton, {}, leftArrow);
    QCOMPARE(shown->text(), QStringLiteral("99"));

    zoom->setValue(2);
    QTest::mouseClick(zoom, Qt::LeftButton, {}, leftArrow);
    QTest::mouseClick(zoom, Qt::LeftButton, {}, leftArrow);
    QCOMPARE(zoom->value(), 1);
    QCOMPARE(shown->text(), QStringLiteral("1"));
    zoom->setValue(299);
    QTest::mouseClick(zoom, Qt::LeftButton, {}, rightArrow);
    QTest::mouseClick(zoom, Qt::LeftButton, {}, rightArrow);
    QCOMPARE(zoom->value(), 300);
    QCOMPARE(shown->text(), QStringLiteral("300"));
    zoom->setValue(1000);
    QCOMPARE(shown->text(), QStringLiteral("300"));
    zoom->setValue(-5);
    QCOMPARE(shown->text(), QStringLiteral("1"));
}

void TestSlotEditor::infoButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");

    QTest::newRow("info12b") << "info12b" << "Font degli sms e modo d'uso";
    QTest::newRow("info13b") << "info13b" << "Font del menu popup";
    QTest::newRow("info17b") << "info17b" << "Font del testo nella parte bassa dello schermo";
    QTest::newRow("info19b") << "info19b" << "Font del testo nella parte alta dello schermo";
    QTest::newRow("info12p") << "info12p" << "Font del testo nel menu";
}

void TestSlotEditor::infoButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, message);
    Fixture f;
    f.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.form));
    // Whatever the slots hold, the buttons say the same.
    f.choose(2, dejaVuPath(QStringLiteral("DejaVuSerif.ttf")));
    f.get<QCheckBox>("IT5")->setChecked(true);
    f.get("H2")->setText(QStringLiteral("3"));
    auto *info = child<QPushButton>(&f.form, button.toLatin1().constData());
    QCOMPARE(info->size(), QSize(17, 17));
    QCOMPARE(info->text(), QStringLiteral("?"));
    QVERIFY(info->font().bold());
    QCOMPARE(info->grab().toImage().pixelColor(2, 2), QColor(255, 0, 0));

    const QStringList before = f.iniLines();
    const QStringList italicBefore = italicLabels(f);
    const QString title = f.form.windowTitle();
    f.refreshes.clear();
    QTest::mouseClick(info, Qt::LeftButton);

    QCOMPARE(f.messages.informed, QStringList{message});
    QVERIFY(f.messages.warned.isEmpty());
    QCOMPARE(f.refreshes.size(), 0);
    QCOMPARE(f.iniLines(), before);
    QCOMPARE(italicLabels(f), italicBefore);
    QCOMPARE(f.form.windowTitle(), title);
    QVERIFY(!QFile::exists(f.cwd.filePath(QStringLiteral("Glyphmux.ini"))));
}

void TestSlotEditor::wholeRoadToTheFile()
{
    Fixture f;
    f.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.form));
    const QString face = QStringLiteral("Glyphmux Road Probe");
    const QString path = f.unknownFont(face, QStringLiteral("road.ttf"));
    QVERIFY(!FontRegistry::instance().isFaceKnown(face));

    f.chooser.answer(path);
    QTest::mouseClick(f.get<QPushButton>("Apri2"), Qt::LeftButton);
    QCOMPARE(f.get("LatinBold13")->text(), face);
    QTest::mouseClick(f.get<QPushButton>("Command6"), Qt::LeftButton); // size 13
    // Height and width are free texts: nothing redraws for them.
    const int refreshes = f.refreshes.size();
    QTest::keyClicks(f.get("H2"), QStringLiteral("x1"));
    QTest::keyClicks(f.get("W2"), QStringLiteral("9 a"));
    QTest::keyClicks(f.get("Text2"), QStringLiteral("|,"));
    QCOMPARE(f.refreshes.size(), refreshes);
    auto *spinner = f.get<QScrollBar>("chromascroll");
    for (int i = 0; i < 3; ++i)
        spinner->triggerAction(QAbstractSlider::SliderSingleStepAdd);

    // The pop-up lines are drawn from the chosen file, at (13 - 3) points.
    for (const char *line : {"riga1pop", "riga2pop", "riga3pop", "riga4pop", "riga5pop"}) {
        QCOMPARE(drawnFullName(f.label(line)), face + QStringLiteral(" Book"));
        QCOMPARE(f.label(line)->font().pointSizeF(), 10.0);
    }
    QVERIFY(drawnFullName(f.label("menu1")) != face + QStringLiteral(" Book"));

    auto *popup = f.get<QAction>("visualizza_pop");
    popup->trigger();
    QVERIFY(!popup->isChecked());
    f.get<QAction>("cmd_save")->trigger();

    const QStringList slotLines = {"LatinBold12=@12:Y:W", "LatinBold13=" + face + "@13:Yx1:W9 a",
                                   "LatinBold17=@16:Y:W", "LatinBold19=@16:Y:W", "LatinPlain12=@12:Y:W"};
    QCOMPARE(f.cwd.read(QStringLiteral("Glyphmux.ini")),
             utf16FileBytes(expectedIniLines(slotLines, plainAliasLines(face), QStringLiteral("100"),
                                             QStringLiteral("97"), QStringLiteral("\\data\\fonts\\*.*|,"))));
    QVERIFY(f.messages.warned.isEmpty());
}

QTEST_MAIN(TestSlotEditor)
#include "tst_sloteditor.moc"
