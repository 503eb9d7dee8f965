#include "ui/dialogs/phonemodeldialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLabel *picture(QWidget *parent, const QString &objectName, const QString &resource)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setPixmap(QPixmap(resource));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

PhoneModelDialog::PhoneModelDialog()
    : SideWindow(QStringLiteral("Form2"), QStringLiteral("Scegli il modello di cellulare"))
{
    m_n70 = new QRadioButton(QStringLiteral("n70/n72/n90"), this);
    m_n70->setObjectName(QStringLiteral("OptionN70"));
    m_n70->setChecked(true);
    m_6630 = new QRadioButton(QStringLiteral("6630/6680/6600"), this);
    m_6630->setObjectName(QStringLiteral("Option6630"));
    m_ok = okButton(QStringLiteral("Command1"));

    // Each family's picture stands above its option.
    auto *choices = new QGridLayout;
    choices->setHorizontalSpacing(28);
    choices->setVerticalSpacing(8);
    choices->addWidget(picture(this, QStringLiteral("Image1"), QStringLiteral(":/dialogs/phone_n70.png")), 0, 0);
    choices->addWidget(picture(this, QStringLiteral("Image2"), QStringLiteral(":/dialogs/phone_6630.png")), 0, 1);
    choices->addWidget(m_n70, 1, 0, Qt::AlignHCenter);
    choices->addWidget(m_6630, 1, 1, Qt::AlignHCenter);

    QHBoxLayout *buttons = buttonRow(m_ok, true);
    // Cancel stands beside OK, outside the layout, so that OK and the window
    // keep their places and sizes.
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_ok->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 14);
    layout->setSpacing(16);
    layout->addLayout(choices);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_ok, &QPushButton::clicked, this, &PhoneModelDialog::confirm);
    // Like the close box: the waiting save is cancelled.
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);
    retranslate();
}

void PhoneModelDialog::retranslate()
{
    // The title is the language file's.
    SideWindow::retranslate();
    m_cancel->setText(tr("Cancel"));
    placeCancel();
}

bool PhoneModelDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ok && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        placeCancel();
    return SideWindow::eventFilter(watched, event);
}

void PhoneModelDialog::placeCancel()
{
    const QSize size(qMax(m_cancel->sizeHint().width(), m_ok->width()), m_ok->height());
    m_cancel->setGeometry(QRect(m_ok->geometry().topRight() + QPoint(9, 0), size));
}

QString PhoneModelDialog::copyInstructions(PhoneFamily family)
{
    // The last line stands for the chosen TrueType files; its space is meant.
    //: Stands after the phone's fonts folder in the copy list, for the chosen TrueType files. Keep the leading space.
    return phoneCopyPaths(family, {tr(" font in ttf")}).join(QStringLiteral("\r\n"));
}

PhoneFamily PhoneModelDialog::selectedFamily() const
{
    return m_6630->isChecked() ? PhoneFamily::Model6630 : PhoneFamily::N70;
}

void PhoneModelDialog::confirm()
{
    emit modelConfirmed(selectedFamily());
    hide();
}

void PhoneModelDialog::showEvent(QShowEvent *event)
{
    // The chosen phone holds the focus, shown: arrows move to the other
    // phone and choose it, Return confirms (see SideWindow).
    (m_6630->isChecked() ? m_6630 : m_n70)->setFocus(Qt::TabFocusReason);
    setAttribute(Qt::WA_KeyboardFocusChange); // styles draw the focus frame only after keyboard use
    SideWindow::showEvent(event);
}

void PhoneModelDialog::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit dismissed();
}
