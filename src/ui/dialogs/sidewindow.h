#pragma once

#include <QWidget>

class QHBoxLayout;
class QLabel;
class QPushButton;

// A small fixed-size window beside the main one. It has no parent on purpose:
// its control names repeat names of the main window's controls, and the main
// window owns it and ends it. Closing it never ends the program.
class SideWindow : public QWidget
{
    Q_OBJECT
public:
    // Shows the window without blocking anything, in front of the others;
    // the first time it is centred over 'owner'.
    void showOver(const QWidget *owner);

protected:
    SideWindow(const QString &objectName, const QString &title);

    // A label in the windows' label font, bold "MS Sans Serif".
    QLabel *boldLabel(const QString &objectName, const QString &text = QString());
    // The window's "OK" button, and the row that holds it: centred, or at
    // the right edge.
    QPushButton *okButton(const QString &objectName);
    static QHBoxLayout *buttonRow(QPushButton *button, bool centred);
};
