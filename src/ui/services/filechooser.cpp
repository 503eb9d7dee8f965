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
    // The whole path, so that pressing Open again takes the same file even
    // when it lies outside the initial folder.
    if (!state.fileName.isEmpty())
        dialog.selectFile(QDir::fromNativeSeparators(state.fileName));
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
