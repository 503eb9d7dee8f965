#include "ui/dialogs/copylistdialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CopyListDialog::CopyListDialog()
    : SideWindow(QStringLiteral("Form3"), QStringLiteral("Copia i seguenti file:"))
{
    m_testo = boldLabel(QStringLiteral("testo"));
    m_testo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_testo->setMinimumWidth(260);
    m_ok = okButton(QStringLiteral("Command1"));

    QHBoxLayout *buttons = buttonRow(m_ok, true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->setSpacing(18);
    layout->addWidget(m_testo);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_ok->setFocus();
    connect(m_ok, &QPushButton::clicked, this, &QWidget::hide);
    retranslate();
}

void CopyListDialog::retranslate()
{
    SideWindow::retranslate();
    setWindowTitle(tr("Copia i seguenti file:"));
}

void CopyListDialog::setInstructions(const QString &text)
{
    m_testo->setText(text);
}

QString CopyListDialog::instructions() const
{
    return m_testo->text();
}
