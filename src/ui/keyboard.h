#pragma once

#include <QList>

class QScrollBar;
class QWidget;

namespace Keyboard {

// Makes a horizontal scroll bar reachable with Tab (clicks leave the focus
// where it is) and steps it like a slider: Right and Left by one step, Page
// Up and Page Down by 'pageStep', while a click beside the thumb keeps
// moving it by its own page step.
void sliderKeys(QScrollBar *bar, int pageStep);

// Tab visits the widgets in this order.
void chainTabOrder(const QList<QWidget *> &widgets);

} // namespace Keyboard
