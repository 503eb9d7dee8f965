#include "ui/services/messageboxes.h"

#include "ui/apptexts.h"

#include <QMessageBox>
#include <QPushButton>

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

bool QtMessageBoxes::ask(QWidget *parent, const QString &text, const QString &yes)
{
    QMessageBox box(QMessageBox::Question, AppTexts::programName(), text, QMessageBox::Cancel, parent);
    QPushButton *accept = box.addButton(yes, QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == accept;
}
