#include "ui/main/undoactions.h"

#include "ui/main/documenthistory.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>

#include <memory>

namespace {

bool isUndoOrRedo(const QKeyEvent *key)
{
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo);
}

// A step's caption inside a menu caption: its '&' stays a letter.
QString menuText(QString caption)
{
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

UndoActions::UndoActions(DocumentHistory &history, QMenuBar &bar, QAction *before, QObject *parent)
    : QObject(parent)
    , m_history(history)
{
    setObjectName(QStringLiteral("undoActions"));
    m_menu = new QMenu(&bar);
    m_menu->setObjectName(QStringLiteral("editMenu"));
    bar.insertMenu(before, m_menu);
    m_undo = m_menu->addAction(QString());
    m_undo->setObjectName(QStringLiteral("cmd_undo"));
    m_undo->setShortcuts(QKeySequence::Undo);
    m_redo = m_menu->addAction(QString());
    m_redo->setObjectName(QStringLiteral("cmd_redo"));
    m_redo->setShortcuts(QKeySequence::Redo);
    connect(m_undo, &QAction::triggered, &history.stack(), &QUndoStack::undo);
    connect(m_redo, &QAction::triggered, &history.stack(), &QUndoStack::redo);
    connect(&history, &DocumentHistory::changed, this, &UndoActions::update);
    retranslate();
}

void UndoActions::retranslate()
{
    m_menu->setTitle(tr("&Edit"));
    update();
}

void UndoActions::update()
{
    const QString undo = m_history.undoCaption(), redo = m_history.redoCaption();
    m_undo->setText(undo.isEmpty() ? tr("&Undo")
                                   //: %1 names the step, e.g. "font of LatinBold13".
                                   : tr("&Undo %1").arg(menuText(undo)));
    m_redo->setText(redo.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(menuText(redo)));
    m_undo->setEnabled(!undo.isEmpty());
    m_redo->setEnabled(!redo.isEmpty());
}

void UndoActions::claimFields(QWidget *root)
{
    for (QLineEdit *field : root->findChildren<QLineEdit *>())
        field->installEventFilter(this);
}

void UndoActions::redirect(QMenu &menu) const
{
    // The field's entries are known by their caption only (shortcut after a
    // tab), in Qt's own translation: its context is named apart, so that our
    // translation files do not take these texts over.
    static const char *const lineEdit = "QLineEdit";
    const QString undo = QCoreApplication::translate(lineEdit, "&Undo");
    const QString redo = QCoreApplication::translate(lineEdit, "&Redo");
    for (QAction *action : menu.actions()) {
        const QString caption = action->text().section(QLatin1Char('\t'), 0, 0);
        QAction *ours = caption == undo ? m_undo : caption == redo ? m_redo : nullptr;
        if (ours) {
            menu.insertAction(action, ours);
            menu.removeAction(action);
        }
    }
}

bool UndoActions::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (!field)
        return false;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Not taken by the field: the keys reach the Edit menu's shortcuts.
        if (isUndoOrRedo(static_cast<QKeyEvent *>(event))) {
            event->ignore();
            return true;
        }
        return false;
    case QEvent::KeyPress:
        // With nothing to undo the shortcut is off; the field must not undo either.
        return isUndoOrRedo(static_cast<QKeyEvent *>(event));
    case QEvent::FocusOut:
        m_history.endMerging();
        return false;
    case QEvent::ContextMenu: {
        // Fields with a menu of their own redirect it themselves.
        if (field->contextMenuPolicy() != Qt::DefaultContextMenu)
            return false;
        const std::unique_ptr<QMenu> menu(field->createStandardContextMenu());
        redirect(*menu);
        menu->exec(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    default:
        return false;
    }
}
