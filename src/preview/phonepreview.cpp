#include "preview/phonepreview.h"

#include "core/textnumber.h"
#include "fonts/fileface.h"
#include "fonts/fontregistry.h"
#include "preview/previewmath.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include <cstring>

namespace {

// A caption that takes the size of its text, keeping its top-left corner.
// Font changes refit at once; caption changes through the preview's
// layout request (see PhonePreview::event).
class FittingLabel final : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void changeEvent(QEvent *event) override
    {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::FontChange)
            resize(sizeHint());
    }
};

// The one-pixel frame around a screen picture.
class ScreenOutline final : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

constexpr const char *screenPictures[ScreenCount] = {":/preview/standby.png", ":/preview/popup.png",
                                                     ":/preview/menu.png", ":/preview/sms.png"};
// The SMS editor's counter box and ruled lines, over the SMS screen.
constexpr const char *smsEditorPicture = ":/preview/sms-editor.png";
constexpr QPoint smsEditorOffset(0, 48);

QLabel *makePicture(QWidget *parent, const QString &name, const char *resource, QPoint at)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(name);
    const QPixmap pixmap{QString::fromLatin1(resource)};
    picture->setPixmap(pixmap);
    picture->setGeometry(QRect(at, pixmap.size()));
    return picture;
}

} // namespace

PhonePreview::PhonePreview(const PreviewSources &sources, QWidget *parent)
    : QWidget(parent)
    , m_sources(sources)
{
    setObjectName(QStringLiteral("phonePreview"));
    setFixedSize(screenOrigin(ScreenCount).x(), ScreenHeight + 2 * screenOrigin(0).y());
    // Later children stack above earlier ones: pictures, outlines, labels.
    buildScreens();
    buildLabels();
    m_faceVisits = visitsInOrder(faceStepOrder());
    m_sizeVisits = visitsInOrder(sizeStepOrder());
}

void PhonePreview::buildScreens()
{
    for (int i = 0; i < ScreenCount; ++i)
        makePicture(this, QStringLiteral("Image%1").arg(i + 1), screenPictures[i], screenOrigin(i));
    makePicture(this, QStringLiteral("Image5"), smsEditorPicture, screenOrigin(3) + smsEditorOffset);
    for (int i = 0; i < ScreenCount; ++i) {
        auto *outline = new ScreenOutline(this);
        outline->setObjectName(QStringLiteral("Shape%1").arg(i + 1));
        outline->setGeometry(QRect(screenOrigin(i), QSize(ScreenWidth + 1, ScreenHeight + 1)));
        outline->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void PhonePreview::buildLabels()
{
    const auto &table = previewLabelTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const PreviewLabelSpec &labelDef = table[i];
        const QString caption = QString::fromUtf8(labelDef.caption);
        QLabel *label = labelDef.fitsText ? new FittingLabel(caption, this) : new QLabel(caption, this);
        label->setObjectName(QLatin1String(labelDef.name));
        // Captions come from language files too: never read them as markup.
        label->setTextFormat(Qt::PlainText);
        label->setAlignment((labelDef.rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        QFont font(QStringLiteral("Verdana"));
        font.setPointSizeF(labelDef.designPointSize);
        font.setBold(labelDef.bold);
        font.setItalic(false);
        label->setFont(font);
        // After the font, so that the designed box holds until the first refresh.
        label->setGeometry(labelDef.box().translated(screenOrigin(labelDef.screen)));
        m_labels[i] = label;
    }
}

PhonePreview::Visits PhonePreview::visitsInOrder(const PreviewLabelOrder &order) const
{
    const auto &table = previewLabelTable();
    Visits visits;
    for (std::size_t v = 0; v < order.size(); ++v) {
        for (std::size_t i = 0; i < table.size(); ++i) {
            if (std::strcmp(table[i].name, order[v]) == 0) {
                const int slot = slotOfPreviewLabel(order[v]);
                Q_ASSERT(slot >= 0);
                visits[v] = Visit{m_labels[i], static_cast<std::size_t>(slot)};
            }
        }
        Q_ASSERT(visits[v].label);
    }
    return visits;
}

void PhonePreview::applyFaces()
{
    const FontRegistry &registry = FontRegistry::instance();
    for (const Visit &visit : m_faceVisits) {
        QFont font = visit.label->font();
        const QString face = m_sources.faces[visit.slot]->text();
        ChosenFile &file = m_fileFaces[visit.slot];
        // The file's face holds until the name changes; a name typed later,
        // even the same one, is matched as typed.
        if (face != file.faceName)
            file = ChosenFile{};
        if (file.face)
            FileFace::apply(font, *file.face);
        else
            registry.applyFace(font, face);
        visit.label->setFont(font);
    }
}

void PhonePreview::setFileFace(std::size_t slot, const QString &faceName, const std::optional<FontFace> &face)
{
    m_fileFaces[slot] = {faceName, face};
}

void PhonePreview::applySizes()
{
    for (const Visit &visit : m_sizeVisits) {
        const double zoom = leadingNumber(m_sources.zoom->text());
        const double size = leadingNumber(m_sources.sizes[visit.slot]->text());
        const std::optional<float> points = previewPointSize(size, slotTable()[visit.slot].previewSizeOffset, zoom);
        if (!points)
            continue;
        QFont font = visit.label->font();
        font.setPointSizeF(*points);
        visit.label->setFont(font);
    }
}

void PhonePreview::applyColour()
{
    // Writing the box raises its change event, whose refresh runs to the end
    // before this one goes on.
    if (m_sources.chroma->text().isEmpty())
        m_sources.chroma->setText(QStringLiteral("0"));
    if (const std::optional<double> chroma = chromaNumber(m_sources.chroma->text())) {
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
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show)
        fitCaptions();
    return QWidget::event(event);
}
