#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Message boxes titled "Glyphmux GUI" with an OK button only. The program
// shows real ones; tests record them instead.
class MessageBoxes
{
public:
    virtual ~MessageBoxes() = default;
    // A plain message, no icon.
    virtual void inform(QWidget *parent, const QString &text) = 0;
    // A failure the user has to know about.
    virtual void warn(QWidget *parent, const QString &text) = 0;
    // A list the user may read while going on working: the box does not
    // block and closes on its own OK.
    virtual void showList(QWidget *parent, const QString &text, const QStringList &items) = 0;
    // A question with two answers: 'yes' (the button's text) or Cancel.
    virtual bool ask(QWidget *parent, const QString &text, const QString &yes) = 0;
};

class QtMessageBoxes final : public MessageBoxes
{
public:
    void inform(QWidget *parent, const QString &text) override;
    void warn(QWidget *parent, const QString &text) override;
    void showList(QWidget *parent, const QString &text, const QStringList &items) override;
    bool ask(QWidget *parent, const QString &text, const QString &yes) override;
};
