// The phone-screen preview: its arithmetic, its layout inside the main window,
// the refresh and its triggers, and what ends up on screen.
#include "core/fontmap.h"
#include "core/slottable.h"
#include "preview/phonepreview.h"
#include "preview/previewmath.h"
#include "support/messagerecorder.h"
#include "support/tempcwd.h"
#include "support/ui.h"
#include "ui/main/mainwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

// Point sizes at start-up, by slot.
const double startSizes[SlotCount] = {8, 9, 13, 13, 8};

struct Fixture {
    TempCwd cwd;
    MessageRecorder messages;
    MainWindow form{nullptr, &messages};
    QSignalSpy refreshes{&form.preview(), &PhonePreview::refreshed};

    QLabel *label(const char *name) const { return child<QLabel>(&form, name); }
    QLineEdit *edit(const char *name) const { return child<QLineEdit>(&form, name); }
    QRect inWindow(const QWidget *w) const { return QRect(w->mapTo(form.centralWidget(), QPoint()), w->size()); }
    // The preview's pixels inside riga1sms's box.
    QImage smsLine() const { return form.preview().grab(label("riga1sms")->geometry()).toImage(); }
};

QString drawnFamily(const QLabel *label) { return QFontInfo(label->font()).family(); }
QString defaultFamily() { return QFontInfo(QGuiApplication::font()).family(); }

// The darkest grey where 'shown' differs from 'blank'; 255 where nothing does.
int darkestInk(const QImage &shown, const QImage &blank)
{
    int darkest = 255;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (const QRgb p = shown.pixel(x, y); p != blank.pixel(x, y))
                darkest = std::min({darkest, qRed(p), qGreen(p), qBlue(p)});
    return darkest;
}

} // namespace

class TestPhonePreview : public QObject
{
    Q_OBJECT

private slots:
    void pointSizes();
    void greyRamp();
    void layout();
    void refreshFollowsOneSlot_data();
    void refreshFollowsOneSlot();
    void triggersAndColour();
    void rendering();
};

void TestPhonePreview::pointSizes()
{
    // Slot, size value, zoom, point size; 0 where there is no usable size and the label keeps its own.
    const struct { int slot; double size, zoom; float points; } rows[] = {
        {0, 12, 100, 8}, {1, 12, 100, 9}, {2, 16, 100, 13}, {3, 16, 100, 13}, {4, 12, 100, 8},
        {2, 16, 150, 19.5f}, {0, 5, 100, 1}, {1, 4, 50, 0.5f}, {1, 4, 33, 0.33f},
        // At or below the offset, no number (0), zoom 0 or below, beyond float, rounded to zero.
        {0, 4, 100, 0}, {0, 1, 100, 0}, {0, 0, 100, 0}, {0, 12, 0, 0}, {0, 12, -50, 0},
        {0, 1e300, 100, 0}, {0, 5, 1e-300, 0}};
    for (const auto &row : rows)
        QCOMPARE(previewPointSize(row.size, slotTable()[row.slot].previewSizeOffset, row.zoom).value_or(0), row.points);
    // Doubling or halving the zoom doubles or halves exactly; one size step adds zoom/100 points.
    auto at = [](double size, double zoom) { return *previewPointSize(size, 3, zoom); };
    for (double zoom : {1.0, 37.0, 100.0, 150.0, 300.0}) {
        QCOMPARE(at(16, zoom * 2), at(16, zoom) * 2);
        QCOMPARE(at(16, zoom / 2), at(16, zoom) / 2);
        QVERIFY(qFuzzyCompare(at(17, zoom) - at(16, zoom), static_cast<float>(zoom / 100)));
    }
}

void TestPhonePreview::greyRamp()
{
    // Both sides of every band boundary, then what else the box may hold; -1: not a number, the colour stays.
    const QList<QPair<const char *, int>> rows = {
        {"100", 0}, {"97", 0}, {"96.99", 32}, {"96", 32}, {"90", 32}, {"89", 53}, {"80", 53}, {"79", 78}, {"70", 78},
        {"69", 100}, {"60", 100}, {"59", 123}, {"50", 123}, {"49", 153}, {"40", 153}, {"39", 180}, {"30", 180},
        {"29", 202}, {"20", 202}, {"19", 223}, {"10", 223}, {"9", 250}, {"9.5", 250}, {"0", 250}, {"-0.5", 0},
        {"-3", 0}, {"250", 0}, {" 40 ", 153}, {"", -1}, {"abc", -1}, {"50x", -1}, {"inf", -1}, {"nan", -1}};
    for (const auto &[text, grey] : rows) {
        const std::optional<double> chroma = chromaNumber(QString::fromLatin1(text));
        QVERIFY2((chroma ? chromaGrey(*chroma) : -1) == grey, text);
    }
}

void TestPhonePreview::layout()
{
    Fixture f;
    f.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.form));
    for (int i = 0; i < 4; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        QCOMPARE(f.inWindow(f.label("Image" + n)), QRect(8 + 184 * i, 8, 176, 208));
        QCOMPARE(f.inWindow(child<QWidget>(&f.form, "Shape" + n)), QRect(8 + 184 * i, 8, 177, 209));
    }
    QCOMPARE(f.inWindow(f.label("Image5")), QRect(560, 56, 176, 144));
    QCOMPARE(f.inWindow(f.label("operatorstandby")), QRect(72, 16, 97, 33));
    QCOMPARE(f.inWindow(f.label("galleriamenu")), QRect(472, 192, 81, 25));
    // Every label lies above the pictures, on a transparent background.
    for (const PreviewLabelInfo &labelDef : previewLabelTable()) {
        QLabel *label = f.label(labelDef.name);
        QCOMPARE(f.form.preview().childAt(label->pos() + QPoint(2, 2)), label);
        QVERIFY(!label->autoFillBackground());
    }
    // A grid caption follows its text from its top-left corner; a pop-up line keeps its box.
    QLabel *menu1 = f.label("menu1"), *riga1 = f.label("riga1pop");
    const QRect small = menu1->geometry(), lineBox = riga1->geometry();
    QCOMPARE(f.inWindow(menu1).topLeft(), QPoint(384, 88));
    menu1->setText(QStringLiteral("Impostazioni del telefono"));
    riga1->setText(QStringLiteral("Una riga molto più lunga del suo riquadro"));
    QTRY_VERIFY(menu1->width() > 3 * small.width());
    QCOMPARE(menu1->pos(), small.topLeft());
    QCOMPARE(riga1->geometry(), lineBox);
    menu1->setText(QStringLiteral("menu1"));
    QTRY_COMPARE(menu1->geometry(), small);
}

void TestPhonePreview::refreshFollowsOneSlot_data()
{
    QTest::addColumn<int>("slot");
    for (std::size_t s = 0; s < SlotCount; ++s)
        QTest::newRow(slotTable()[s].key) << int(s);
}

void TestPhonePreview::refreshFollowsOneSlot()
{
    QFETCH(int, slot);
    // The preview alone, told a font map: no window, no controls.
    PhonePreview preview;
    const SlotInfo &changed = slotTable()[slot];
    const QString serif = QStringLiteral("DejaVu Serif");
    QVERIFY(defaultFamily() != serif);
    FontMap map = FontMap::initial();
    map.slotValues[slot] = {serif, QStringLiteral("20px"), {}, true, {}};
    map.zoom = 150;
    preview.showMap(map);
    // Face, size and slant change on the slot's labels only; all else stays as
    // designed, the box too except on the grid, which grows with its text.
    const double mine = (20 - changed.previewSizeOffset) * 1.5;
    auto check = [&](const QString &family, bool italic) {
        for (const PreviewLabelInfo &labelDef : previewLabelTable()) {
            const int s = slotOfPreviewLabel(labelDef.name);
            const QLabel *label = child<QLabel>(&preview, labelDef.name);
            const QRect box = labelDef.box().translated(screenOrigin(labelDef.screen));
            QCOMPARE(drawnFamily(label), s == slot ? family : defaultFamily());
            QCOMPARE(label->font().pointSizeF(), s == slot ? mine : startSizes[s] * 1.5);
            QCOMPARE(s == 4 ? QRect(label->pos(), box.size()) : label->geometry(), box);
            QVERIFY(s != 4 || label->height() > box.height());
            QCOMPARE(label->text(), QString::fromUtf8(labelDef.caption));
            QCOMPARE(label->alignment(), (labelDef.rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
            QCOMPARE(label->textFormat(), Qt::PlainText);
            QCOMPARE(label->font().bold(), labelDef.bold);
            QCOMPARE(label->font().italic(), italic && s == slot);
        }
    };
    check(serif, true);
    // A size at the offset gives no point size: the labels keep theirs. An
    // empty face draws the default family, not what Qt makes of "".
    map.slotValues[slot] = {{}, QString::number(changed.previewSizeOffset), {}, false, {}};
    preview.showMap(map);
    check(defaultFamily(), false);
}

void TestPhonePreview::triggersAndColour()
{
    Fixture f;
    // One refresh per keystroke.
    QTest::keyClicks(f.edit("LatinBold19"), QStringLiteral("Dej"));
    QCOMPARE(f.refreshes.count(), 3);

    QLineEdit *chroma = f.edit("chromavalue");
    auto allIn = [&](int grey) {
        for (const PreviewLabelInfo &labelDef : previewLabelTable())
            QCOMPARE(f.label(labelDef.name)->palette().color(QPalette::WindowText), QColor(grey, grey, grey));
    };
    allIn(0);
    chroma->setText(QStringLiteral("96"));
    allIn(32);
    f.refreshes.clear();
    // The refresh of the cleared box writes "0", whose own refresh runs inside it.
    chroma->clear();
    QCOMPARE(chroma->text(), QStringLiteral("0"));
    QCOMPARE(f.refreshes.count(), 2);
    allIn(250);
}

void TestPhonePreview::rendering()
{
    Fixture f;
    QLabel *line = f.label("riga1sms");
    line->hide();
    const QImage blank = f.smsLine();
    line->show();
    const QImage plain = f.smsLine();
    QVERIFY(darkestInk(plain, blank) < 60);
    f.edit("LatinBold12")->setText(QStringLiteral("DejaVu Serif"));
    QVERIFY(darkestInk(f.smsLine(), blank) < 60);
    QVERIFY(f.smsLine() != plain);
    // Chroma 0: the same letters, drawn almost white.
    f.edit("chromavalue")->setText(QStringLiteral("0"));
    const int pale = darkestInk(f.smsLine(), blank);
    QVERIFY(pale > 200);
    QVERIFY(pale < 255);
}

QTEST_MAIN(TestPhonePreview)
#include "tst_phonepreview.moc"
