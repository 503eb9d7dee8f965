#include "support/messagerecorder.h"

void MessageRecorder::inform(QWidget *, const QString &text)
{
    informed.append(text);
    if (whileShown)
        whileShown(text);
}

void MessageRecorder::warn(QWidget *, const QString &text)
{
    warned.append(text);
    if (whileShown)
        whileShown(text);
}

void MessageRecorder::showList(QWidget *, const QString &text, const QStringList &items)
{
    lists.append(QStringList{text} + items);
}

bool MessageRecorder::ask(QWidget *, const QString &text, const QString &)
{
    asked.append(text);
    return false;
}
