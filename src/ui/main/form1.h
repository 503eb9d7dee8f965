#pragma once

#include "ui/services/filechooser.h"

#include <QMainWindow>

#include <memory>

class ExportCommand;
class FontMapEditor;
class Form2;
class Form3;
class MessageBoxes;
class PhonePreview;
class QAction;
class QMenu;
class SaveCommand;
class SlotEditor;
class frmAbout;
struct FontMap;

// The main window: it owns the font map (in its controls), the preview, the
// menus and the side windows, and lives for the whole run.
class Form1 final : public QMainWindow
{
    Q_OBJECT
public:
    // The chooser and message boxes are the program's own when null; tests
    // pass scripted ones. They must outlive the window.
    explicit Form1(FileChooser *files = nullptr, MessageBoxes *messages = nullptr, QWidget *parent = nullptr);
    ~Form1() override;

    // Redraws the whole phone-screen preview from the controls.
    void aggiornaanteprima();
    // Its three steps: each slot's face, each slot's size at the zoom, and
    // the grey of the chroma.
    void aggiornafont();
    void aggiornafontsize();
    void aggiornacolore();
    // The chroma box's text changed.
    void chromacambiato();
    // Writes Glyphmux.ini into the current directory; after a good write the
    // progress title follows and, with the popup on, the copy instructions.
    // False, after telling the user, when the file could not be written.
    bool Salva();
    // settings.fs: read at start-up, written whenever a preference may
    // have changed (failures stay silent).
    void caricaimpostazioni();
    void salvaimpostazioni();
    // Applies the language file named by the dialog traduzione.
    void traduci();
    // "Language" in the Settings menu.
    void chooseLanguage();
    // The dialog whose file name is the language file in use.
    const FileDialogState &traduzione() const { return m_traduzione; }
    // The phone-model window's title, which the language file sets too
    // (making the window, hidden, if it was never shown).
    void setPhoneModelTitle(const QString &title);

    FontMap fontMap() const;
    FontMapEditor &editor() const { return *m_editor; }
    PhonePreview &preview() const { return *m_preview; }
    SlotEditor &slotEditor() const { return *m_slotEditor; }
    ExportCommand &exportCommand() const { return *m_exportCommand; }
    FileChooser &fileChooser() const { return *m_files; }
    MessageBoxes &messageBoxes() const { return *m_messages; }

    // The side windows, each made on first use and kept until the end.
    Form2 &form2();
    Form3 &form3();
    frmAbout &aboutBox();

    // Set by the phone-model window when the user confirms a model.
    bool modelloscelto = false;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void startUp();
    void buildPreview(QWidget *area);
    bool applyLanguageFile(QString *error);
    void buildExportCommand(QMenu *file, QAction *before);

    std::unique_ptr<FileChooser> m_ownFiles;
    std::unique_ptr<MessageBoxes> m_ownMessages;
    FileChooser *m_files = nullptr;
    MessageBoxes *m_messages = nullptr;
    FontMapEditor *m_editor = nullptr;
    PhonePreview *m_preview = nullptr;
    SlotEditor *m_slotEditor = nullptr;
    QAction *m_popupAction = nullptr;
    SaveCommand *m_saveCommand = nullptr;
    ExportCommand *m_exportCommand = nullptr;
    std::unique_ptr<Form2> m_form2;
    std::unique_ptr<Form3> m_form3;
    std::unique_ptr<frmAbout> m_about;
    FileDialogState m_traduzione;
};
