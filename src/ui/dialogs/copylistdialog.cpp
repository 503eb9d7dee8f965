#include "ui/dialogs/copylistdialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CopyListDialog::CopyListDialog()
    : SideWindow(QStringLiteral("Form3"), heading())
{
    m_instructionsLabel = boldLabel(QStringLiteral("testo"));
    m_instructionsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_instructionsLabel->setMinimumWidth(260);
    m_ok = okButton(QStringLiteral("Command1"));

    // "Export…" stands right of OK without moving it: OK keeps the centre
    // of the row between two halves that stretch alike, the right one
    // holding the new button.
    m_export = new QPushButton(this);
    m_export->setObjectName(QStringLiteral("exportButton"));
    m_export->setFixedWidth(m_ok->minimumWidth());
    auto *rightHalf = new QHBoxLayout;
    rightHalf->setSpacing(0);
    rightHalf->addSpacing(8);
    rightHalf->addWidget(m_export);
    rightHalf->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addLayout(rightHalf, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->setSpacing(18);
    layout->addWidget(m_instructionsLabel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_ok->setFocus();
    connect(m_ok, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_export, &QPushButton::clicked, this, &CopyListDialog::exportRequested);
    retranslate();
}

QString CopyListDialog::heading()
{
    //: Copy the following files: (the window's title, and the heading of the exported copy list)
    return tr("Copia i seguenti file:");
}

void CopyListDialog::retranslate()
{
    SideWindow::retranslate();
    setWindowTitle(heading());
    m_export->setText(tr("Export…"));
}

void CopyListDialog::setInstructions(const QString &text)
{
    m_instructionsLabel->setText(text);
}

QString CopyListDialog::instructions() const
{
    return m_instructionsLabel->text();
}
