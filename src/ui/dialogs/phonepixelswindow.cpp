#include "ui/dialogs/phonepixelswindow.h"

#include "preview/phonepixels.h"
#include "preview/phonepreview.h"

#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

const QString factorKey = QStringLiteral("phonePixels/factor");

// The band, enlarged by the window's factor.
class EnlargedBand final : public QWidget
{
public:
    EnlargedBand(const PhonePreview &preview, const int &factor)
        : m_preview(preview)
        , m_factor(factor)
    {
        setObjectName(QStringLiteral("phonePixelsView"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        const QImage band = m_preview.bandImage();
        const QRect shown = event->rect();
        // The phone pixels under the part to draw, whole ones.
        const QRect area(shown.left() / m_factor, shown.top() / m_factor, shown.width() / m_factor + 2,
                         shown.height() / m_factor + 2);
        QPainter painter(this);
        PhonePixels::drawEnlarged(painter, QRect(QPoint(), band.size() * m_factor), band, area);
    }

private:
    const PhonePreview &m_preview;
    const int &m_factor;
};

} // namespace

PhonePixelsWindow::PhonePixelsWindow(const PhonePreview &preview, QSettings &settings)
    : QWidget(nullptr, Qt::Window)
    , m_preview(preview)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("phonePixels"));
    setAttribute(Qt::WA_QuitOnClose, false);
    m_caption = new QLabel(this);
    m_chooser = new QComboBox(this);
    m_chooser->setObjectName(QStringLiteral("magnification"));
    m_caption->setBuddy(m_chooser);
    for (int f = MinFactor; f <= MaxFactor; ++f)
        m_chooser->addItem(QStringLiteral("×%1").arg(f), f);
    m_view = new EnlargedBand(preview, m_factor);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("phonePixelsArea"));
    m_scroll->setWidget(m_view);
    m_scroll->setAlignment(Qt::AlignCenter);

    auto *row = new QHBoxLayout;
    row->addWidget(m_caption);
    row->addWidget(m_chooser);
    row->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_scroll, 1);

    connect(m_chooser, &QComboBox::activated, this, [this](int index) { setFactor(m_chooser->itemData(index).toInt()); });
    addKey(QKeySequence(Qt::Key_Plus), +1);
    addKey(QKeySequence::ZoomIn, +1);
    addKey(QKeySequence(Qt::CTRL | Qt::Key_Equal), +1);
    addKey(QKeySequence(Qt::Key_Minus), -1);
    addKey(QKeySequence::ZoomOut, -1);
    for (int f = MinFactor; f <= MaxFactor; ++f)
        addKey(QKeySequence(Qt::Key_0 + f), 0, f);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    connect(&preview, &PhonePreview::bandChanged, m_view, qOverload<>(&QWidget::update));

    setFactor(settings.value(factorKey, DefaultFactor).toInt());
    // Wide enough for the whole band where the screen allows.
    const QSize wanted = m_view->size() + QSize(40, 80);
    const QSize room = QGuiApplication::primaryScreen()->availableSize() * 9 / 10;
    resize(wanted.boundedTo(room));
    retranslate();
}

void PhonePixelsWindow::addKey(const QKeySequence &keys, int step, int factor)
{
    auto *shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, [this, step, factor] { setFactor(factor ? factor : m_factor + step); });
}

void PhonePixelsWindow::setFactor(int factor)
{
    m_factor = qBound(MinFactor, factor, MaxFactor);
    m_chooser->setCurrentIndex(m_factor - MinFactor);
    m_view->resize(m_preview.size() * m_factor);
    m_view->update();
    if (m_settings.value(factorKey).toInt() != m_factor)
        m_settings.setValue(factorKey, m_factor);
}

void PhonePixelsWindow::retranslate()
{
    setWindowTitle(tr("Phone pixels"));
    //: Label of the list of enlargements (×2 to ×6) of the phone screens.
    m_caption->setText(tr("&Enlargement:"));
    m_chooser->setToolTip(tr("Each phone pixel as a square block; + and - change the enlargement"));
}

void PhonePixelsWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
