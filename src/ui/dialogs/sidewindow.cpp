#include "ui/dialogs/sidewindow.h"

#include "fonts/fontregistry.h"

#include <QLabel>

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

void SideWindow::showOver(const QWidget *owner)
{
    if (!testAttribute(Qt::WA_Moved) && owner) {
        ensurePolished();
        adjustSize();
        move(owner->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}
