#include "support/scriptedchooser.h"

#include <QtTest>

bool ScriptedChooser::chooseFile(QWidget *, FileDialogState &state)
{
    shown.append(state);
    if (m_answers.isEmpty()) {
        qWarning("ScriptedChooser: a dialog opened that the test did not expect; cancelling it");
        return false;
    }
    const std::optional<QString> next = m_answers.takeFirst();
    if (!next)
        return false;
    state.fileName = *next;
    return true;
}
