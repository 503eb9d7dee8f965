#pragma once

#include <QString>

class QWidget;

// What an open-file dialog remembers between uses, one per dialog control.
struct FileDialogState {
    QString initialFolder;
    QString filter;   // e.g. "Font file (*.ttf)"
    QString title;    // empty: the system's default title
    QString fileName; // the last chosen path; kept when the user cancels
    QString defaultSuffix; // added to a typed name that has none, e.g. "ttf"
};

// Shows open-file dialogs. The program uses the Qt one; tests script it.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    // Returns false on cancel, leaving state.fileName as it was.
    virtual bool chooseFile(QWidget *parent, FileDialogState &state) = 0;
    // The same for a folder: state.fileName is the chosen folder.
    virtual bool chooseFolder(QWidget *parent, FileDialogState &state) = 0;
};

class QtFileChooser final : public FileChooser
{
public:
    bool chooseFile(QWidget *parent, FileDialogState &state) override;
    bool chooseFolder(QWidget *parent, FileDialogState &state) override;
};
