#pragma once

#include "ui/services/filechooser.h"

#include <QList>
#include <QString>

#include <optional>

// Answers open-file dialogs from a script: a path, or std::nullopt for Cancel.
// Records what each dialog looked like when it was shown.
class ScriptedChooser final : public FileChooser
{
public:
    void answer(const QString &path) { m_answers.append(path); }
    void cancel() { m_answers.append(std::nullopt); }

    bool chooseFile(QWidget *parent, FileDialogState &state) override;
    bool chooseFolder(QWidget *parent, FileDialogState &state) override { return chooseFile(parent, state); }

    QList<FileDialogState> shown; // the state of each dialog as it opened

private:
    QList<std::optional<QString>> m_answers;
};
