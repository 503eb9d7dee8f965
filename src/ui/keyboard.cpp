#include "ui/keyboard.h"

#include <QEvent>
#include <QKeyEvent>
#include <QScrollBar>

namespace {

class SliderKeys final : public QObject
{
public:
    SliderKeys(QScrollBar *bar, int pageStep)
        : QObject(bar), m_bar(bar), m_pageStep(pageStep)
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_bar || event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier)
            return false;
        // As on a slider: right and up mean more, whatever a scroll bar's
        // own keys would do.
        const bool mirrored = m_bar->isRightToLeft();
        QAbstractSlider::SliderAction action;
        switch (key->key()) {
        case Qt::Key_Right:
            action = mirrored ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd;
            break;
        case Qt::Key_Left:
            action = mirrored ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub;
            break;
        case Qt::Key_PageUp:
            action = QAbstractSlider::SliderPageStepAdd;
            break;
        case Qt::Key_PageDown:
            action = QAbstractSlider::SliderPageStepSub;
            break;
        default:
            return false;
        }
        // Changing the page step changes no value and emits nothing.
        const int clickStep = m_bar->pageStep();
        m_bar->setPageStep(m_pageStep);
        m_bar->triggerAction(action);
        m_bar->setPageStep(clickStep);
        return true;
    }

private:
    QScrollBar *m_bar;
    int m_pageStep;
};

} // namespace

namespace Keyboard {

void sliderKeys(QScrollBar *bar, int pageStep)
{
    bar->setFocusPolicy(Qt::TabFocus);
    bar->installEventFilter(new SliderKeys(bar, pageStep));
}

void chainTabOrder(const QList<QWidget *> &widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}

} // namespace Keyboard
