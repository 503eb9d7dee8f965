#include "ui/services/messageboxes.h"

#include "ui/apptexts.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

void showBox(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, AppTexts::programName(), text, QMessageBox::Ok, parent);
    // Paths and face names in it are text, never markup.
    box.setTextFormat(Qt::PlainText);
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

void QtMessageBoxes::showList(QWidget *parent, const QString &text, const QStringList &items)
{
    // The first lines in the box, all of them behind "Show Details".
    constexpr int shownItems = 12;
    QStringList shown = items.mid(0, shownItems);
    if (items.size() > shownItems)
        shown << QCoreApplication::translate("MessageBoxes", "(%n more)", nullptr, int(items.size() - shownItems));
    // Plain text: the lines come from a file and may hold '<' or '&'.
    auto *box = new QMessageBox(QMessageBox::Information, AppTexts::programName(),
                                text + QStringLiteral("\n\n") + shown.join(QLatin1Char('\n')), QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    if (items.size() > shownItems)
        box->setDetailedText(items.join(QLatin1Char('\n')));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}

bool QtMessageBoxes::ask(QWidget *parent, const QString &text, const QString &yes)
{
    QMessageBox box(QMessageBox::Question, AppTexts::programName(), text, QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton *accept = box.addButton(yes, QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == accept;
}
