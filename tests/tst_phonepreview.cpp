// The phone-screen preview: its arithmetic, its layout inside the main window,
// the refresh and its triggers, and what ends up on screen.
#include "core/fontmap.h"
#include "fonts/fontregistry.h"
#include "preview/previewmath.h"
#include "support/editorwindow.h"
#include "support/truetypebuilder.h"
#include "ui/dialogs/phonepixelswindow.h"

namespace {

const double startSizes[SlotCount] = {8, 9, 13, 13, 8}; // point sizes at start-up, by slot

struct Fixture : EditorWindow {
    QLabel *label(const char *name) const { return get<QLabel>(name); }
    QRect inWindow(const QWidget *w) const { return QRect(w->mapTo(form.centralWidget(), QPoint()), w->size()); }
    // The preview's pixels inside riga1sms's box.
    QImage smsLine() const { return form.preview().grab(label("riga1sms")->geometry()).toImage(); }
};

QString drawnFamily(const QLabel *label) { return QFontInfo(label->font()).family(); }
QString defaultFamily() { return QFontInfo(QGuiApplication::font()).family(); }

// 'image' at 'ratio' device pixels per phone pixel shows exactly 'band', each phone pixel a uniform block.
bool enlargedExactly(const QImage &image, const QImage &band, int ratio)
{
    if (image.size() != band.size() * ratio)
        return false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != band.pixel(x / ratio, y / ratio))
                return false;
    return true;
}

struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override { return (paints += event->type() == QEvent::Paint), false; }
};

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
    void pointSizes()
    {
        // Slot, size value, zoom, point size; 0 where there is no usable size and the label keeps its own:
        // at or below the offset, zoom 0 or below, beyond float, rounded to zero. (Each slot's offset at
        // its start-up size: refreshFollowsOneSlot.)
        const struct { int slot; double size, zoom; float points; } rows[] = {
            {2, 16, 150, 19.5f}, {2, 17, 37, 5.18f}, {0, 5, 100, 1}, {1, 4, 50, 0.5f}, {1, 4, 33, 0.33f}, {0, 4, 100, 0},
            {0, 1, 100, 0}, {0, 0, 100, 0}, {0, 12, 0, 0}, {0, 12, -50, 0}, {0, 1e300, 100, 0}, {0, 5, 1e-300, 0}};
        for (const auto &row : rows)
            QCOMPARE(previewPointSize(row.size, slotTable()[row.slot].previewSizeOffset, row.zoom).value_or(0), row.points);
        // Both sides of every band boundary, then what else the box may hold; -1: not a number, the colour stays.
        const QList<QPair<const char *, int>> greys = {
            {"100", 0}, {"97", 0}, {"96.99", 32}, {"90", 32}, {"89", 53}, {"80", 53}, {"79", 78}, {"70", 78}, {"69", 100},
            {"60", 100}, {"59", 123}, {"50", 123}, {"49", 153}, {"40", 153}, {"39", 180}, {"30", 180}, {"29", 202},
            {"20", 202}, {"19", 223}, {"10", 223}, {"9.5", 250}, {"0", 250}, {"-0.5", 0}, {"250", 0}, {" 40 ", 153},
            {"", -1}, {"50x", -1}, {"inf", -1}, {"nan", -1}};
        for (const auto &[text, grey] : greys) {
            const std::optional<double> chroma = chromaNumber(QString::fromLatin1(text));
            QVERIFY2((chroma ? chromaGrey(*chroma) : -1) == grey, text);
        }
    }

    void layout()
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
        // The pictures compiled in show exactly the pixels of their source files.
        const char *sources[] = {"standby", "popup", "menu", "sms", "sms-editor"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(f.label("Image" + QByteArray::number(i + 1))->pixmap().toImage(),
                     QImage(QStringLiteral(GLYPHMUX_SOURCE_DIR "/resources/preview/%1.png").arg(QLatin1String(sources[i]))));
        // Every label lies above the pictures, where tools find it.
        for (const PreviewLabelInfo &labelDef : previewLabelTable())
            QCOMPARE(f.form.preview().childAt(f.label(labelDef.name)->pos() + QPoint(2, 2)), f.label(labelDef.name));
        // A grid caption follows its text from its top-left corner; a pop-up line keeps its box.
        QLabel *menu1 = f.label("menu1"), *popupLine1 = f.label("riga1pop");
        const QRect small = menu1->geometry(), lineBox = popupLine1->geometry();
        QCOMPARE(f.inWindow(menu1).topLeft(), QPoint(384, 88));
        menu1->setText(QStringLiteral("Impostazioni del telefono"));
        popupLine1->setText(QStringLiteral("Una riga molto più lunga del suo riquadro"));
        QTRY_VERIFY(menu1->width() > 3 * small.width());
        QCOMPARE(menu1->pos(), small.topLeft());
        QCOMPARE(popupLine1->geometry(), lineBox);
        menu1->setText(QStringLiteral("menu1"));
        QTRY_COMPARE(menu1->geometry(), small);
    }

    void refreshFollowsOneSlot()
    {
        // The preview alone, told a font map: no window, no controls.
        const QString serif = QStringLiteral("DejaVu Serif");
        QVERIFY(defaultFamily() != serif);
        for (int slot = 0; slot < int(SlotCount); ++slot) {
            PhonePreview preview;
            const int offset = slotTable()[slot].previewSizeOffset;
            FontMap map = FontMap::initial();
            map.slotValues[slot] = {serif, QStringLiteral("20px"), {}, true, {}, {}};
            map.zoom = 150;
            // Face, size and slant change on the slot's labels only; all else stays as
            // designed, the box too except on the grid, which grows with its text.
            auto check = [&](const QString &family, bool italic) {
                preview.showMap(map);
                for (const PreviewLabelInfo &labelDef : previewLabelTable()) {
                    const int s = slotOfPreviewLabel(labelDef.name);
                    const QLabel *label = child<QLabel>(&preview, labelDef.name);
                    const QRect box = labelDef.box().translated(screenOrigin(labelDef.screen));
                    QCOMPARE(drawnFamily(label), s == slot ? family : defaultFamily());
                    QCOMPARE(label->font().pointSizeF(), s == slot ? (20 - offset) * 1.5 : startSizes[s] * 1.5);
                    QCOMPARE(s == 4 ? QRect(label->pos(), box.size()) : label->geometry(), box);
                    QVERIFY(s != 4 || label->height() > box.height());
                    QCOMPARE(label->alignment(), (labelDef.rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
                    QCOMPARE(label->font().bold(), labelDef.bold);
                    QCOMPARE(label->textFormat(), Qt::PlainText); // captions come from language files
                    QCOMPARE(label->font().italic(), italic && s == slot);
                }
            };
            check(serif, true);
            // A size at the offset gives no point size: the labels keep theirs. An
            // empty face draws the default family, not what Qt makes of "".
            map.slotValues[slot] = {{}, QString::number(offset), {}, false, {}, {}};
            check(defaultFamily(), false);
        }
    }

    // The band is one picture at one pixel per phone pixel. Each label in it is exactly what a
    // QLabel of its own draws; a high-density screen (the run with QT_SCALE_FACTOR=2) and a
    // rendering at ratio 3 enlarge every phone pixel into a uniform block.
    void phonePixels()
    {
        Fixture f;
        f.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.form));
        PhonePreview &preview = f.form.preview();
        const QImage band = preview.bandImage();
        const QImage grabbed = preview.grab().toImage();
        QVERIFY(enlargedExactly(grabbed, band, qRound(grabbed.devicePixelRatio())));
        QImage tripled(preview.size() * 3, QImage::Format_ARGB32_Premultiplied);
        tripled.setDevicePixelRatio(3);
        preview.render(&tripled);
        QVERIFY(enlargedExactly(tripled, band, 3));

        for (QWidget *part : preview.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            part->hide();
        for (const PreviewLabelInfo &labelDef : previewLabelTable()) {
            QLabel *label = f.label(labelDef.name);
            QLabel own(label->text());
            own.setFont(label->font());
            own.setAlignment(label->alignment());
            own.setPalette(label->palette());
            own.resize(label->size());
            QImage alone(own.size(), QImage::Format_ARGB32_Premultiplied);
            own.render(&alone);
            label->show();
            const QRect shown = label->geometry() & preview.rect();
            QCOMPARE(preview.bandImage().copy(shown), alone.copy(shown.translated(-label->pos())));
            label->hide();
        }
    }

    // A face that lacks a letter draws it with its own glyph 0, never with a letter
    // borrowed from another font: every missing letter looks alike.
    void missingLettersDrawGlyphZero()
    {
        TempCwd cwd;
        const QString face = QStringLiteral("Glyph Zero Test");
        const QString path = TestFonts::writeFontWithCharacters(cwd.path(), QStringLiteral("ab.ttf"),
                                                                TestFonts::familyNames(face, QStringLiteral("Book")), QStringLiteral("ab"));
        QVERIFY(FontRegistry::instance().addFontFile(path));
        PhonePreview preview;
        FontMap map = FontMap::initial();
        map.slotValues[0].face = face;
        preview.showMap(map);
        QLabel *line = child<QLabel>(&preview, "riga1sms");
        QCOMPARE(QFontInfo(line->font()).family(), face);
        const auto drawn = [&](const char *text) {
            line->setText(QLatin1String(text));
            return preview.bandImage().copy(line->geometry());
        };
        const QImage blank = drawn(""), a = drawn("a"), x = drawn("x");
        QVERIFY(x != blank && x != a);
        QCOMPARE(drawn("y"), x);
        FontRegistry::instance().removeFontFile(path);
    }

    // View → Phone pixels (its key works from a face field) shows the band ×4 live; keys and
    // the list change the factor within ×2..×6, and the next window starts with the last one.
    void magnifier()
    {
        Fixture f;
        f.form.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        f.face(4)->setFocus();
        QTest::keyClick(f.face(4), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        PhonePixelsWindow &window = f.form.phonePixels();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.factor(), 4);
        const auto shown = [&](int factor) { // each phone pixel of the band as a block, or nothing
            const QImage drawn = window.view()->grab().toImage();
            return enlargedExactly(drawn, f.form.preview().bandImage(), qRound(factor * drawn.devicePixelRatio())) ? drawn : QImage();
        };
        const QImage before = shown(4);
        QVERIFY(!before.isNull());
        PaintCounter painted;
        window.view()->installEventFilter(&painted);
        f.face(3)->setText(QStringLiteral("DejaVu Serif")); // the operator names, on the first screen too
        QTRY_VERIFY(painted.paints > 0);
        const QImage after = shown(4);
        QVERIFY(!after.isNull() && after != before);
        const std::pair<int, int> keys[] = {{Qt::Key_Plus, 5}, {Qt::Key_6, 6}, {Qt::Key_Plus, 6}, {Qt::Key_2, 2}, {Qt::Key_Minus, 2}, {Qt::Key_3, 3}};
        for (const auto &[key, factor] : keys) {
            QTest::keyClick(&window, Qt::Key(key));
            QCOMPARE(window.factor(), factor);
        }
        child<QComboBox>(&window, "magnification")->activated(3);
        QCOMPARE(window.factor(), 5);
        QSettings settings;
        QCOMPARE(PhonePixelsWindow(f.form.preview(), settings).factor(), 5);
    }

    void triggersAndRendering()
    {
        Fixture f;
        QLabel *line = f.label("riga1sms");
        line->hide();
        const QImage blank = f.smsLine();
        line->show();
        const QImage plain = f.smsLine();
        QVERIFY(darkestInk(plain, blank) < 60);
        // One refresh per keystroke; other letters, as dark.
        QTest::keyClicks(f.get("LatinBold12"), QStringLiteral("DejaVu Serif"));
        QCOMPARE(f.refreshes.count(), 12);
        QVERIFY(darkestInk(f.smsLine(), blank) < 60);
        QVERIFY(f.smsLine() != plain);

        QLineEdit *chroma = f.get("chromavalue");
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
        const int pale = darkestInk(f.smsLine(), blank); // the same letters, almost white
        QVERIFY(pale > 200 && pale < 255);
    }
};

QTEST_MAIN(TestPhonePreview)
#include "tst_phonepreview.moc"
