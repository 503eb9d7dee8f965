#pragma once

#include <QObject>
#include <QStringList>

class Form1;
class Form2;
class QAction;
class QTimer;

// "Save to Glyphmux.ini": asks for the phone model first when the
// information popup is on, then writes through Form1::Salva; after a good
// write it shows the copy instructions and, half a second later, runs the
// progress texts through the main window's title. Nothing here blocks: the
// wait for the model and each title step are events.
class SaveCommand final : public QObject
{
    Q_OBJECT
public:
    // 'popup' is the "Show information popup" item; both must outlive this.
    SaveCommand(Form1 &window, QAction *popup);

    // The menu command.
    void run();
    // Form1::Salva wrote the file.
    void saved();
    // Follows the phone-model window's answers; called once, when it is made.
    void watch(Form2 &form2);
    // The main window ends: drop the waiting save and every pending step.
    void stop();

    // A save waits for the phone model (or its confirmation is on its way).
    bool isPending() const { return m_pending; }
    // The three texts the title runs through, in order.
    static QStringList progressTitles();

private:
    void modelConfirmed(const QString &elencofile);
    void cancelPending();
    void writeNow();
    void startProgressTitle();
    void nextProgressTitle();

    Form1 &m_window;
    QAction *m_popup = nullptr;
    QTimer *m_timer1 = nullptr;
    QTimer *m_titleStep = nullptr;
    int m_titleIndex = -1; // the progress text in the title, -1 for none
    bool m_pending = false;
};
