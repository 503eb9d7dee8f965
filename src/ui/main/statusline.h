#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QHBoxLayout;
class QLabel;
class QStatusBar;
class QWidget;

// The one owner of the status bar below the client area. The bar stays
// hidden, so the window keeps its designed size, until something has to be
// said; every part of the program says it through here:
// - a passing message (a save went well);
// - the note about the last font file chosen (why it was refused);
// - where Save writes, from the first file opened on;
// - an offer: a text and buttons, taken away when one is clicked.
class StatusLine final : public QObject
{
    Q_OBJECT
public:
    explicit StatusLine(QStatusBar &bar);

    void showMessage(const QString &text, int timeoutMs);
    void clearMessage();

    // Empty says nothing.
    void setFontNote(const QString &text);
    QString fontNote() const;
    void setSaveTarget(const QString &text);

    struct Choice {
        QString objectName;
        QString caption;
        std::function<void()> chosen;
    };
    // Replaces any offer shown; a click takes the offer away, then runs its choice.
    void offer(const QString &text, const QList<Choice> &choices);
    void withdrawOffer();
    bool offering() const;

private:
    QLabel *addNote(const char *name);
    void updateVisibility();

    QStatusBar &m_bar;
    QLabel *m_fontNote = nullptr;
    QLabel *m_saveTarget = nullptr;
    QWidget *m_offer = nullptr;
};
