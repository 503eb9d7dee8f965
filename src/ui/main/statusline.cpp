#include "ui/main/statusline.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

namespace {
constexpr int barHeight = 20;
} // namespace

StatusLine::StatusLine(QStatusBar &bar)
    : QObject(&bar)
    , m_bar(bar)
{
    setObjectName(QStringLiteral("statusLine"));
    bar.setObjectName(QStringLiteral("statusBar"));
    bar.setSizeGripEnabled(false);
    bar.setFixedHeight(barHeight);
    m_fontNote = addNote("fontStatus");
    m_saveTarget = addNote("saveTarget");
    // A passing message comes and goes by itself; the bar follows it.
    connect(&bar, &QStatusBar::messageChanged, this, &StatusLine::updateVisibility);
    updateVisibility();
}

QLabel *StatusLine::addNote(const char *name)
{
    auto *label = new QLabel(&m_bar);
    label->setObjectName(QLatin1String(name));
    // Paths and face names are shown as they are, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->hide();
    m_bar.addWidget(label, 1);
    return label;
}

void StatusLine::showMessage(const QString &text, int timeoutMs)
{
    m_bar.showMessage(text, timeoutMs);
}

void StatusLine::clearMessage()
{
    m_bar.clearMessage();
}

void StatusLine::setFontNote(const QString &text)
{
    m_fontNote->setText(text);
    m_fontNote->setVisible(!text.isEmpty());
    updateVisibility();
}

QString StatusLine::fontNote() const
{
    return m_fontNote->text();
}

void StatusLine::setSaveTarget(const QString &text)
{
    m_saveTarget->setText(text);
    m_saveTarget->setVisible(!text.isEmpty());
    updateVisibility();
}

void StatusLine::offer(const QString &text, const QList<Choice> &choices)
{
    withdrawOffer();
    m_offer = new QWidget(&m_bar);
    m_offer->setObjectName(QStringLiteral("statusOffer"));
    auto *row = new QHBoxLayout(m_offer);
    row->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(text, m_offer);
    label->setObjectName(QStringLiteral("statusOfferText"));
    label->setTextFormat(Qt::PlainText);
    row->addWidget(label);
    for (const Choice &choice : choices) {
        auto *button = new QPushButton(choice.caption, m_offer);
        button->setObjectName(choice.objectName);
        button->setFlat(true);
        row->addWidget(button);
        const std::function<void()> chosen = choice.chosen;
        connect(button, &QPushButton::clicked, this, [this, chosen] {
            withdrawOffer();
            if (chosen)
                chosen();
        });
    }
    // Beside the notes, and kept while a passing message shows.
    m_bar.addPermanentWidget(m_offer);
    updateVisibility();
}

void StatusLine::withdrawOffer()
{
    if (!m_offer)
        return;
    m_bar.removeWidget(m_offer);
    // Deleted later: the offer's own button may be the one being clicked.
    m_offer->deleteLater();
    m_offer = nullptr;
    updateVisibility();
}

bool StatusLine::offering() const
{
    return m_offer != nullptr;
}

void StatusLine::updateVisibility()
{
    const bool saying = !m_bar.currentMessage().isEmpty() || !m_fontNote->text().isEmpty()
                        || !m_saveTarget->text().isEmpty() || m_offer;
    m_bar.setVisible(saying);
}
