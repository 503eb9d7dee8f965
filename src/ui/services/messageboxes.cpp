#include "ui/services/messageboxes.h"

#include "ui/apptexts.h"

#include <QMessageBox>

namespace {

void showBox(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, AppTexts::programName(), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

void QtMessageBoxes::inform(QWidget *parent, const QString &text)
{
    showBox(parent, QMessageBox::NoIcon, text);
}

void QtMessageBoxes::warn(QWidget *parent, const QString &text)
{
    showBox(parent, QMessageBox::Warning, text);
}
