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
    // Keeps 'window' above the window of 'owner' (its transient parent), so
    // that it never ends up behind it and keys reach it, not the owner.
    static void keepAbove(QWidget *window, const QWidget *owner);

protected:
    SideWindow(const QString &objectName, const QString &title);

    // Sets the window's texts of ours in the language now installed; each
    // window calls it at the end of its construction.
    virtual void retranslate();
    void changeEvent(QEvent *event) override;
    // Return presses the focused button, else OK; Escape closes the window.
    void keyPressEvent(QKeyEvent *event) override;

    // A label in the windows' label font, bold "MS Sans Serif".
    QLabel *boldLabel(const QString &objectName, const QString &text = QString());
    // The window's "OK" button, and the row that holds it: centred, or at
    // the right edge.
    QPushButton *okButton(const QString &objectName);
    static QHBoxLayout *buttonRow(QPushButton *button, bool centred);

private:
    QPushButton *m_ok = nullptr;
};
