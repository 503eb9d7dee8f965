// The main window's View menu and the windows it opens. Kept apart from the
// window's construction.
#include "ui/main/mainwindow.h"

#include "preview/phonepreview.h"
#include "ui/dialogs/phonepixelswindow.h"
#include "ui/dialogs/sidewindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

void MainWindow::buildViewMenu()
{
    m_viewMenu = menuBar()->addMenu(QString());
    m_viewMenu->setObjectName(QStringLiteral("viewMenu"));
    m_phonePixelsAction = m_viewMenu->addAction(QString());
    m_phonePixelsAction->setObjectName(QStringLiteral("cmd_phonepixels"));
    // No standard key means "magnify"; this one is taken by no other command
    // and by no line edit.
    m_phonePixelsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    connect(m_phonePixelsAction, &QAction::triggered, this, [this] {
        PhonePixelsWindow &window = phonePixels();
        SideWindow::keepAbove(&window, this);
        window.show();
        window.raise();
        window.activateWindow();
    });
}

void MainWindow::retranslateViewMenu()
{
    m_viewMenu->setTitle(tr("&View"));
    m_phonePixelsAction->setText(tr("&Phone pixels…"));
}

PhonePixelsWindow &MainWindow::phonePixels()
{
    if (!m_phonePixels)
        m_phonePixels = std::make_unique<PhonePixelsWindow>(*m_preview, *m_userSettings);
    return *m_phonePixels;
}
