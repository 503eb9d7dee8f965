#include "ui/dialogs/sidewindow.h"

#include "fonts/fontregistry.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

SideWindow::SideWindow(const QString &objectName, const QString &title)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(objectName);
    setWindowTitle(title);
    setAttribute(Qt::WA_QuitOnClose, false);
    // The same small dialog font as the main window's controls.
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
}

QLabel *SideWindow::boldLabel(const QString &objectName, const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    QFont face = label->font();
    FontRegistry::instance().applyFace(face, QStringLiteral("MS Sans Serif"));
    face.setBold(true);
    label->setFont(face);
    return label;
}

QPushButton *SideWindow::okButton(const QString &objectName)
{
    auto *button = new QPushButton(this);
    button->setObjectName(objectName);
    m_ok = button;
    button->setMinimumWidth(80);
    return button;
}

QHBoxLayout *SideWindow::buttonRow(QPushButton *button, bool centred)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(button);
    if (centred)
        row->addStretch();
    return row;
}

void SideWindow::showOver(const QWidget *owner)
{
    if (!testAttribute(Qt::WA_Moved) && owner) {
        ensurePolished();
        adjustSize();
        move(owner->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    keepAbove(this, owner);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void SideWindow::keepAbove(QWidget *window, const QWidget *owner)
{
    QWindow *ownerWindow = owner ? owner->window()->windowHandle() : nullptr;
    if (!ownerWindow)
        return;
    if (!window->windowHandle())
        window->winId(); // makes the native window, hidden
    window->windowHandle()->setTransientParent(ownerWindow);
}

void SideWindow::retranslate()
{
    if (m_ok)
        m_ok->setText(tr("OK"));
}

void SideWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void SideWindow::keyPressEvent(QKeyEvent *event)
{
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        auto *focused = qobject_cast<QPushButton *>(focusWidget());
        if (QPushButton *button = focused ? focused : m_ok)
            button->click();
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
