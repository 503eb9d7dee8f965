#pragma once

#include <QObject>

class DocumentHistory;
class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The Edit menu with Undo and Redo of the document's history, their
// captions naming the step, and the keys: Ctrl+Z and its like do the same
// wherever the focus is, so the editable fields' own undo, which would
// disagree with the document's, never runs.
class UndoActions final : public QObject
{
    Q_OBJECT
public:
    // Puts the Edit menu into 'bar' before the menu of 'before'.
    UndoActions(DocumentHistory &history, QMenuBar &bar, QAction *before, QObject *parent);

    // Every QLineEdit under 'root' from now on: Undo and Redo keys go to the
    // document, leaving the field ends a typing step, and its context menu's
    // Undo and Redo are the document's.
    void claimFields(QWidget *root);
    // Puts the document's Undo and Redo in place of a field's own in 'menu'.
    void redirect(QMenu &menu) const;

    void retranslate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void update();

    DocumentHistory &m_history;
    QMenu *m_menu = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
};
