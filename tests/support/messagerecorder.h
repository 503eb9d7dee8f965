#pragma once

#include "ui/services/messageboxes.h"

#include <QStringList>

#include <functional>

// Records message boxes instead of showing them.
class MessageRecorder final : public MessageBoxes
{
public:
    void inform(QWidget *, const QString &text) override;
    void warn(QWidget *, const QString &text) override;
    void showList(QWidget *, const QString &text, const QStringList &items) override;
    // Records the question and answers it with Cancel.
    bool ask(QWidget *, const QString &text, const QString &yes) override;

    QStringList informed;
    QStringList warned;
    QList<QStringList> lists; // text first, then the items
    QStringList asked;
    // Runs while a box would be open, e.g. to look at the window behind it.
    std::function<void(const QString &)> whileShown;
};
