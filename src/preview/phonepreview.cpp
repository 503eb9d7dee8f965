#include "preview/phonepreview.h"

#include "core/fontmap.h"
#include "core/textnumber.h"
#include "fonts/fileface.h"
#include "fonts/fontregistry.h"
#include "preview/phonepixels.h"
#include "preview/previewmath.h"
#include "preview/storedpicture.h"

#include <QEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>


namespace {

// A part of the band that the preview draws itself (see PhonePreview::paintEvent):
// it keeps its name, geometry and state for tests and tools, and paints nothing.
class BandLabel : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override {}
};

// A caption that takes the size of its text, keeping its top-left corner,
// once it has its designed box. Font changes refit at once; caption changes
// through the preview's layout request (see PhonePreview::event).
class FittingLabel final : public BandLabel
{
public:
    using BandLabel::BandLabel;
    // Until now the designed box holds: measuring text in a font that is
    // replaced before anything is drawn would only cost start-up time.
    void startFitting() { m_fitting = true; }
    // While held, font changes refit once, when the hold ends.
    void hold(bool on)
    {
        m_held = on;
        if (!on && m_outdated) {
            m_outdated = false;
            resize(sizeHint());
        }
    }

protected:
    void changeEvent(QEvent *event) override
    {
        QLabel::changeEvent(event);
        if (!m_fitting || event->type() != QEvent::FontChange)
            return;
        if (m_held)
            m_outdated = true;
        else
            resize(sizeHint());
    }

private:
    bool m_fitting = false;
    bool m_held = false;
    bool m_outdated = false;
};

constexpr const char *screenPictures[ScreenCount] = {":/preview/standby.pixels", ":/preview/popup.pixels",
                                                     ":/preview/menu.pixels", ":/preview/sms.pixels"};
// The SMS editor's counter box and ruled lines, over the SMS screen.
constexpr const char *smsEditorPicture = ":/preview/sms-editor.pixels";
constexpr QPoint smsEditorOffset(0, 48);

QLabel *makePicture(QWidget *parent, const QString &name, const char *resource, QPoint at)
{
    auto *picture = new BandLabel(parent);
    picture->setObjectName(name);
    const QPixmap pixmap = storedPicture(QString::fromLatin1(resource));
    picture->setPixmap(pixmap);
    picture->setGeometry(QRect(at, pixmap.size()));
    return picture;
}

} // namespace

PhonePreview::PhonePreview(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("phonePreview"));
    setFixedSize(screenOrigin(ScreenCount).x(), ScreenHeight + 2 * screenOrigin(0).y());
    // Later children stack above earlier ones: pictures, outlines, labels.
    buildScreens();
    buildLabels();
}

void PhonePreview::buildScreens()
{
    for (int i = 0; i < ScreenCount; ++i)
        makePicture(this, QStringLiteral("Image%1").arg(i + 1), screenPictures[i], screenOrigin(i));
    makePicture(this, QStringLiteral("Image5"), smsEditorPicture, screenOrigin(3) + smsEditorOffset);
    for (int i = 0; i < ScreenCount; ++i) {
        // The one-pixel frame around the picture; the band draws it.
        auto *outline = new QWidget(this);
        outline->setObjectName(QStringLiteral("Shape%1").arg(i + 1));
        outline->setGeometry(QRect(screenOrigin(i), QSize(ScreenWidth + 1, ScreenHeight + 1)));
        outline->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void PhonePreview::buildLabels()
{
    const auto &table = previewLabelTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const PreviewLabelInfo &labelDef = table[i];
        const QString caption = QString::fromUtf8(labelDef.caption);
        auto *fitting = labelDef.fitsText ? new FittingLabel(caption, this) : nullptr;
        QLabel *label = fitting ? fitting : new BandLabel(caption, this);
        label->setObjectName(QLatin1String(labelDef.name));
        // Captions come from language files too: never read them as markup.
        label->setTextFormat(Qt::PlainText);
        label->setAlignment((labelDef.rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        QFont font(QStringLiteral("Verdana"));
        font.setPointSizeF(labelDef.designPointSize);
        font.setBold(labelDef.bold);
        font.setItalic(false);
        PhonePixels::fixRendering(font);
        label->setFont(font);
        // After the font, so that the designed box holds until the first refresh.
        label->setGeometry(labelDef.box().translated(screenOrigin(labelDef.screen)));
        if (fitting)
            fitting->startFitting();
        m_labels[i] = label;
    }
}

PhonePreview::FittingHold::FittingHold(PhonePreview &preview)
    : m_preview(preview)
{
    if (m_preview.m_holds++ == 0)
        m_preview.holdFitting(true);
}

PhonePreview::FittingHold::~FittingHold()
{
    if (--m_preview.m_holds == 0)
        m_preview.holdFitting(false);
}

void PhonePreview::holdFitting(bool on)
{
    const auto &table = previewLabelTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].fitsText)
            static_cast<FittingLabel *>(m_labels[i])->hold(on);
    }
}

void PhonePreview::applyFaces(const FontMap &map, const FileFaces &fileFaces)
{
    const FontRegistry &registry = FontRegistry::instance();
    for (std::size_t i : faceStepOrder()) {
        const std::size_t slot = previewLabelTable()[i].slot;
        const QString &face = map.slotValues[slot].face;
        QFont font = m_labels[i]->font();
        if (const std::optional<FontFace> &file = fileFaces[slot])
            FileFace::apply(font, *file);
        else
            registry.applyFace(font, face);
        m_labels[i]->setFont(font);
    }
}

void PhonePreview::applySizes(const FontMap &map)
{
    const double zoom = map.zoom;
    for (std::size_t i : sizeStepOrder()) {
        const std::size_t slot = previewLabelTable()[i].slot;
        const double size = leadingNumber(map.slotValues[slot].size);
        const std::optional<float> points = previewPointSize(size, slotTable()[slot].previewSizeOffset, zoom);
        if (!points)
            continue;
        QFont font = m_labels[i]->font();
        font.setPointSizeF(*points);
        m_labels[i]->setFont(font);
    }
}

void PhonePreview::applyColour(const QString &chromaText)
{
    if (const std::optional<double> chroma = chromaNumber(chromaText)) {
        const int grey = chromaGrey(*chroma);
        const QColor colour(grey, grey, grey);
        // One colour set here reaches every label: cheaper than a palette each.
        if (colour != textColour() || !testAttribute(Qt::WA_SetPalette)) {
            QPalette pal = palette();
            pal.setColor(QPalette::WindowText, colour);
            setPalette(pal);
        }
    }
    emit refreshed();
    emit bandChanged();
}

void PhonePreview::applyItalic(std::size_t slot, bool italic)
{
    for (std::size_t i = 0; i < PreviewLabelCount; ++i) {
        if (previewLabelTable()[i].slot != slot)
            continue;
        QFont font = m_labels[i]->font();
        font.setItalic(italic);
        m_labels[i]->setFont(font);
    }
}

void PhonePreview::showMap(const FontMap &map, const FileFaces &fileFaces)
{
    {
        const FittingHold hold(*this);
        for (std::size_t slot = 0; slot < SlotCount; ++slot)
            applyItalic(slot, map.slotValues[slot].italic);
        applyFaces(map, fileFaces);
        applySizes(map);
    }
    applyColour(map.chroma);
}

QColor PhonePreview::textColour() const
{
    return palette().color(QPalette::WindowText);
}

void PhonePreview::fitCaptions()
{
    const auto &table = previewLabelTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].fitsText)
            m_labels[i]->resize(m_labels[i]->sizeHint());
    }
}

bool PhonePreview::event(QEvent *event)
{
    // A label whose caption changed asks its parent for a new layout; hidden,
    // it asks nothing, so showing refits too.
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show) {
        fitCaptions();
        emit bandChanged();
    }
    return QWidget::event(event);
}

void PhonePreview::paintBand(QPainter &painter, const QRect &area) const
{
    painter.save();
    painter.setClipRect(area);
    painter.fillRect(area, palette().brush(QPalette::Window));
    // In stacking order, each part clipped to its own box as a widget would be.
    for (const QObject *object : children()) {
        const auto *part = qobject_cast<const QWidget *>(object);
        if (!part || part->isHidden() || !part->geometry().intersects(area))
            continue;
        const QRect box = part->geometry();
        painter.setClipRect(box & area);
        const auto *label = qobject_cast<const QLabel *>(part);
        if (!label) { // a screen's outline, the only parts that are no labels
            painter.setPen(Qt::black);
            painter.drawRect(box.adjusted(0, 0, -1, -1));
        } else if (!label->pixmap().isNull()) {
            painter.drawPixmap(box.topLeft(), label->pixmap());
        } else {
            // What QLabel itself draws for plain text without margins.
            const Qt::LayoutDirection direction = label->text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
            const int flags = int(QStyle::visualAlignment(direction, label->alignment()))
                | (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
            painter.setFont(label->font());
            label->style()->drawItemText(&painter, label->contentsRect().translated(box.topLeft()), flags,
                                         label->palette(), label->isEnabled(), label->text(),
                                         label->foregroundRole());
        }
    }
    painter.restore();
}

QImage PhonePreview::bandImage() const
{
    QImage band(size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&band);
    paintBand(painter, rect());
    return band;
}

void PhonePreview::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect area = event->rect() & rect();
    // One device pixel per phone pixel: the band goes straight where it is shown.
    if (PhonePixels::deviceRatioOf(painter) == 1.0)
        return paintBand(painter, area);
    if (m_band.size() != size()) {
        m_band = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        m_band.fill(palette().color(QPalette::Window));
    }
    {
        // A phone pixel more on each side: at a fractional ratio the screen
        // pixels at the edge of the update may show a neighbour.
        QPainter bandPainter(&m_band);
        paintBand(bandPainter, area.adjusted(-1, -1, 1, 1) & rect());
    }
    PhonePixels::drawEnlarged(painter, rect(), m_band, area);
}
