#include "ui/main/fontmapeditor.h"

#include "core/glyphmuxinireader.h"
#include "ui/main/controlhelp.h"

#include "ui/keyboard.h"
#include "ui/main/twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

// Slot rows stand at these heights in each frame, and in the window for the
// information buttons.
constexpr int rowTopInFrame[SlotCount] = {480, 840, 1200, 1560, 1920};
constexpr int frameTop = 3360;
constexpr int frameHeight = 2415;

template <typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QGroupBox *makeFrame(QWidget *area, const char *name, const QString &caption, int left, int width)
{
    auto *frame = named(new QGroupBox(caption, area), name);
    frame->setGeometry(twipRect(left, frameTop, width, frameHeight));
    // The boxes were sized for a narrow dialog font; a slightly condensed
    // face keeps captions such as "LatinPlain12" and "Chroma" whole.
    QFont compact = frame->font();
    compact.setStretch(QFont::SemiCondensed);
    frame->setFont(compact);
    return frame;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, QRect box)
{
    auto *label = named(new QLabel(caption, parent), name);
    label->setGeometry(box);
    return label;
}

QLineEdit *makeTextBox(QWidget *parent, const char *name, const QString &text, QRect box, bool locked)
{
    auto *edit = named(new QLineEdit(text, parent), name);
    edit->setGeometry(box);
    edit->setReadOnly(locked);
    edit->setTextMargins(0, 0, 0, 0);
    // Whatever an opened file held fits whole (no value is longer than the
    // file); a save refuses what could not be opened again.
    edit->setMaxLength(int(maxGlyphmuxIniBytes));
    return edit;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, QRect box)
{
    auto *button = named(new QPushButton(caption, parent), name);
    button->setGeometry(box);
    return button;
}

} // namespace

FontMapEditor::FontMapEditor(QWidget *area, FontMapDocument &document)
    : QObject(area)
    , m_document(document)
{
    buildNamesFrame(area);
    buildSizesFrame(area);
    buildExtrasFrame(area);
    buildOtherFrame(area);
    buildInfoButtons(area);
    bindToDocument();
    setUpKeyboard();
    retranslate();
}

void FontMapEditor::retranslate()
{
    // The other captions of the frames are the language file's.
    m_zoomCaption->setText(tr("Zoom :"));
    m_chromaCaption->setText(tr("Chroma"));
    ControlHelp::apply(*this);
}

void FontMapEditor::setUpKeyboard()
{
    // Tab reads the rows left to right across the three slot frames, one
    // row after the other, then the column of the other parameters.
    QList<QWidget *> order;
    for (const SlotControls &row : m_slots)
        order << row.face << row.open << row.info << row.minus << row.size << row.plus << row.height << row.italic
              << row.width;
    order << m_scrollZoom << m_chromaValue << m_chromaScroll << m_fontPath;
    Keyboard::chainTabOrder(order);
    // Arrows step the zoom by 1 and Page keys by 10, as users expect, while
    // a click beside the thumb keeps moving it by 1.
    Keyboard::sliderKeys(m_scrollZoom, 10);
    m_chromaScroll->setFocusPolicy(Qt::TabFocus);
}

void FontMapEditor::buildNamesFrame(QWidget *area)
{
    QGroupBox *frame = makeFrame(area, "Frame2", QStringLiteral("Nomi dei font"), 120, 4335);
    const QIcon openIcon(QStringLiteral(":/buttons/open.bmp"));
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotInfo &slotDef = slotTable()[i];
        SlotControls &row = m_slots[i];
        const int top = rowTopInFrame[i];
        row.rowLabel = makeLabel(frame, slotDef.rowLabel, QLatin1String(slotDef.key), twipRect(120, top, 975, 255));
        row.face = makeTextBox(frame, slotDef.key, QString(), twipRect(1080, top, 2295, 285), false);
        row.open = makeButton(frame, slotDef.openButton, QString(), twipRect(3480, top, 375, 255));
        row.open->setIcon(openIcon);
        row.open->setIconSize(QSize(16, 15));
    }
}

void FontMapEditor::buildSizesFrame(QWidget *area)
{
    QGroupBox *frame = makeFrame(area, "Frame4", QStringLiteral("Dimensioni del font"), 4560, 1935);
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotInfo &slotDef = slotTable()[i];
        SlotControls &row = m_slots[i];
        const int top = rowTopInFrame[i];
        row.minus = makeButton(frame, slotDef.minusButton, QStringLiteral("-"), twipRect(360, top, 255, 255));
        row.size = makeTextBox(frame, slotDef.sizeField, QString::number(slotDef.initialSize),
                               twipRect(720, top, 375, 285), true);
        row.size->setAlignment(Qt::AlignCenter);
        row.plus = makeButton(frame, slotDef.plusButton, QStringLiteral("+"), twipRect(1200, top, 255, 255));
    }
}

void FontMapEditor::buildExtrasFrame(QWidget *area)
{
    QGroupBox *frame = makeFrame(area, "Frame3", QStringLiteral("Parametri aggiuntivi"), 6600, 2535);
    makeLabel(frame, "Label37", QStringLiteral("Altezza"), twipRect(360, 240, 615, 255));
    makeLabel(frame, "Label38", QStringLiteral("Corsivo"), twipRect(960, 240, 615, 255));
    makeLabel(frame, "Label2", QStringLiteral("Larghezza"), twipRect(1680, 240, 795, 255));
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotInfo &slotDef = slotTable()[i];
        SlotControls &row = m_slots[i];
        const int top = rowTopInFrame[i];
        row.height = makeTextBox(frame, slotDef.heightField, QString(), twipRect(360, top, 495, 285), false);
        // The box alone shows: its caption lies outside the visible part.
        row.italic = named(new QCheckBox(frame), slotDef.italicBox);
        row.italic->setGeometry(twipRect(1200, top, 255, 255));
        row.width = makeTextBox(frame, slotDef.widthField, QString(), twipRect(1800, top, 495, 285), false);
    }
}

void FontMapEditor::buildOtherFrame(QWidget *area)
{
    QGroupBox *frame = makeFrame(area, "Frame5", QStringLiteral("Altri parametri"), 9240, 1815);
    m_zoomCaption = makeLabel(frame, "Label3", QString(), twipRect(120, 360, 615, 255));
    m_zoomValueLabel = makeLabel(frame, "ValoreZoom", QStringLiteral("100"), twipRect(720, 360, 615, 255));

    m_scrollZoom = named(new QScrollBar(Qt::Horizontal, frame), "ScrollZoom");
    m_scrollZoom->setGeometry(twipRect(120, 720, 1575, 255));
    m_scrollZoom->setRange(1, 300);
    m_scrollZoom->setSingleStep(1);
    m_scrollZoom->setPageStep(1);
    m_scrollZoom->setValue(100);

    m_chromaCaption = makeLabel(frame, "Label4", QString(), twipRect(120, 1320, 615, 255));
    m_chromaValue = makeTextBox(frame, "chromavalue", QStringLiteral("100"), twipRect(720, 1320, 375, 285), true);
    makeLabel(frame, "Label5", QStringLiteral("%"), twipRect(1080, 1320, 255, 255));

    m_chromaScroll = named(new QScrollBar(Qt::Vertical, frame), "chromascroll");
    m_chromaScroll->setGeometry(twipRect(1320, 1320, 255, 255));
    m_chromaScroll->setRange(0, 100);
    m_chromaScroll->setSingleStep(1);
    m_chromaScroll->setPageStep(10);
    m_chromaScroll->setValue(0);

    makeLabel(frame, "Label6", QStringLiteral("Percorso Font"), twipRect(120, 1680, 1575, 255));
    m_fontPath = makeTextBox(frame, "Text2", QStringLiteral("\\data\\fonts\\*.*"), twipRect(120, 2040, 1455, 285),
                             false);
}

void FontMapEditor::buildInfoButtons(QWidget *area)
{
    constexpr int rowTopInWindow[SlotCount] = {3840, 4200, 4560, 4920, 5280};
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotInfo &slotDef = slotTable()[i];
        QPushButton *info = makeButton(area, slotDef.infoButton, QStringLiteral("?"),
                                       twipRect(4080, rowTopInWindow[i], 255, 255));
        info->setFlat(true);
        info->setAutoFillBackground(true);
        info->setStyleSheet(QStringLiteral("QPushButton { background-color: rgb(255, 0, 0); border: 1px solid "
                                           "#800000; font-family: \"MS Sans Serif\"; font-size: 8.25pt; "
                                           "font-weight: bold; padding: 0; }"));
        info->raise();
        m_slots[i].info = info;
    }
}

void FontMapEditor::bindToDocument()
{
    FontMapDocument *doc = &m_document;
    // The controls were built showing the initial map; a document that
    // already holds another one is shown first.
    for (std::size_t i = 0; i < SlotCount; ++i) {
        for (FontMapDocument::Field field : {FontMapDocument::Field::Face, FontMapDocument::Field::Size,
                                             FontMapDocument::Field::Height, FontMapDocument::Field::Italic,
                                             FontMapDocument::Field::Width})
            showValue(field, int(i));
    }
    for (FontMapDocument::Field field :
         {FontMapDocument::Field::Zoom, FontMapDocument::Field::Chroma, FontMapDocument::Field::FontPath})
        showValue(field, -1);

    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotControls &row = m_slots[i];
        // Typed or set by code, every change reaches the document.
        connect(row.face, &QLineEdit::textChanged, doc, [doc, i](const QString &t) { doc->setFace(i, t); });
        connect(row.size, &QLineEdit::textChanged, doc, [doc, i](const QString &t) { doc->setSize(i, t); });
        connect(row.height, &QLineEdit::textChanged, doc, [doc, i](const QString &t) { doc->setHeight(i, t); });
        connect(row.italic, &QCheckBox::toggled, doc, [doc, i](bool on) { doc->setItalic(i, on); });
        connect(row.width, &QLineEdit::textChanged, doc, [doc, i](const QString &t) { doc->setWidth(i, t); });
    }
    // With tracking on, valueChanged also follows the thumb while it is dragged.
    m_scrollZoom->setTracking(true);
    connect(m_scrollZoom, &QScrollBar::valueChanged, doc, &FontMapDocument::setZoom);
    connect(m_chromaValue, &QLineEdit::textChanged, doc, &FontMapDocument::setChroma);
    connect(m_fontPath, &QLineEdit::textChanged, doc, &FontMapDocument::setFontPath);
    connect(doc, &FontMapDocument::changed, this, &FontMapEditor::showValue);
}

void FontMapEditor::showValue(FontMapDocument::Field field, int slot)
{
    const FontMap &map = m_document.map();
    // Setting a control to what it already shows changes nothing and
    // raises no change of its own.
    const auto show = [](QLineEdit *edit, const QString &text) {
        if (edit->text() != text)
            edit->setText(text);
    };
    switch (field) {
    case FontMapDocument::Field::Face:
        return show(m_slots[slot].face, map.slotValues[slot].face);
    case FontMapDocument::Field::Size:
        return show(m_slots[slot].size, map.slotValues[slot].size);
    case FontMapDocument::Field::Height:
        return show(m_slots[slot].height, map.slotValues[slot].height);
    case FontMapDocument::Field::Italic:
        return m_slots[slot].italic->setChecked(map.slotValues[slot].italic);
    case FontMapDocument::Field::Width:
        return show(m_slots[slot].width, map.slotValues[slot].width);
    case FontMapDocument::Field::Zoom:
        m_scrollZoom->setValue(map.zoom);
        m_zoomValueLabel->setText(QString::number(map.zoom));
        return;
    case FontMapDocument::Field::Chroma:
        return show(m_chromaValue, map.chroma);
    case FontMapDocument::Field::FontPath:
        return show(m_fontPath, map.fontPath);
    }
}
