#include "ui/services/filechooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

bool QtFileChooser::chooseFile(QWidget *parent, FileDialogState &state)
{
    QFileDialog dialog(parent, state.title, state.initialFolder, state.filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix(state.defaultSuffix);
    if (!state.fileName.isEmpty())
        dialog.selectFile(QFileInfo(state.fileName).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    state.fileName = QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
    return true;
}

bool QtFileChooser::chooseFolder(QWidget *parent, FileDialogState &state)
{
    const QString start = state.fileName.isEmpty() ? state.initialFolder : state.fileName;
    const QString folder = QFileDialog::getExistingDirectory(parent, state.title, start);
    if (folder.isEmpty())
        return false;
    state.fileName = QDir::toNativeSeparators(folder);
    return true;
}
