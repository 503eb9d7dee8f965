#pragma once

#include "core/fontfilememory.h"
#include "core/fontmapdocument.h"
#include "core/recentfiles.h"
#include "core/usersettings.h"
#include "ui/dialogs/sidewindows.h"
#include "ui/services/filechooser.h"

#include <QMainWindow>
#include <QSettings>

#include <memory>

class ChosenFonts;
class DocumentHistory;
class ExportCommand;
class FontListGlue;
class FontMapEditor;
class MessageBoxes;
class OpenCommand;
class QLabel;
class PhonePreview;
class PhonePixelsWindow;
class QAction;
class QMenu;
class RecoveryKeeper;
class SaveCommand;
class SlotEditor;
class SlotFontInfo;
class StatusLine;
class UndoActions;

// The main window: it owns the font map document, the controls that edit it,
// the preview that shows it, the menus and the side windows, and lives for
// the whole run.
class MainWindow final : public QMainWindow
{
    Q_OBJECT
public:
    // The chooser and message boxes are the program's own when null; tests
    // pass scripted ones. They must outlive the window.
    explicit MainWindow(FileChooser *files = nullptr, MessageBoxes *messages = nullptr, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Redraws the whole phone-screen preview from the document.
    void refreshPreview();
    // Its three steps: each slot's face, each slot's size at the zoom, and
    // the grey of the chroma.
    void refreshFaces();
    void refreshSizes();
    void refreshColour();
    // The chroma changed.
    void chromaChanged();
    // An italic switch changed: slant or straighten the slot's labels.
    void italicChanged(std::size_t slot);
    // Writes Glyphmux.ini into the current directory, or back to the file
    // opened (see SaveCommand).
    bool writeIni();
    // Loads a Glyphmux.ini into the editor; false, after saying why, when
    // the file was not taken (nothing changed then).
    bool openFile(const QString &path);
    // settings.fs: read at start-up, written whenever a preference may
    // have changed (failures stay silent).
    void loadSettings();
    void saveSettings();
    // Applies the language file chosen in the language dialog.
    void applyChosenLanguage();
    // "Language" in the Settings menu.
    void chooseLanguage();
    // The dialog whose file name is the language file in use.
    const FileDialogState &languageDialog() const { return m_languageDialog; }
    // The phone-model window's title, which the language file sets too
    // (making the window, hidden, if it was never shown).
    void setPhoneModelTitle(const QString &title);

    const FontMap &fontMap() const { return m_document->map(); }
    FontMapDocument &document() const { return *m_document; }
    // The readers and registrations of the files the document names.
    ChosenFonts &chosenFonts() const { return *m_chosenFonts; }
    PhonePreview &preview() const { return *m_preview; }
    SlotEditor &slotEditor() const { return *m_slotEditor; }
    SlotFontInfo &fontInfo() const { return *m_fontInfo; }
    ExportCommand &exportCommand() const { return *m_exportCommand; }
    DocumentHistory &history() const { return *m_history; }
    StatusLine &statusLine() const { return *m_statusLine; }
    RecoveryKeeper &recovery() const { return *m_recovery; }
    FontListGlue &fontList() const { return *m_fontList; }

    // The side windows, each made on first use and kept until the end.
    SideWindows &sideWindows() { return m_sideWindows; }
    // "View → Phone pixels…": the preview enlarged, made on first use.
    PhonePixelsWindow &phonePixels();

    // Set while a confirmed phone model is being saved.
    bool isModelConfirmed() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildMenus();
    void buildViewMenu();
    void retranslateViewMenu();
    // Sets every text of ours again, in the language now installed.
    void retranslate();
    // Applies a language file's captions; true when it could be read.
    bool applyCaptions(const QString &path, QString *error);
    // Installs the translation that goes with a language file and shows it
    // in every window at once.
    static void useTranslationOf(const QString &languageFile);
    void startUp();
    void documentChanged(FontMapDocument::Field field, int slot);
    void loadMap(const FontMap &map, const QString &path);
    // Shows a whole state of the history: its map and where Save writes.
    void applyState(const FontMap &map, const QString &saveTarget);
    void buildHistory();
    void showSaveTarget(const QString &path);
    void buildFontInfo();
    bool applyLanguageFile(QString *error);
    void buildExportCommand(QMenu *file, QAction *before);
    // The slots' files, remembered for the next open of 'iniPath'.
    void rememberFontFiles(const QString &iniPath);

    std::unique_ptr<FileChooser> m_ownFiles;
    std::unique_ptr<MessageBoxes> m_ownMessages;
    FileChooser *m_files = nullptr;
    MessageBoxes *m_messages = nullptr;
    FontMapDocument *m_document = nullptr;
    ChosenFonts *m_chosenFonts = nullptr;
    FontMapEditor *m_editor = nullptr;
    PhonePreview *m_preview = nullptr;
    SlotEditor *m_slotEditor = nullptr;
    SlotFontInfo *m_fontInfo = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_settingsMenu = nullptr;
    FontListGlue *m_fontList = nullptr;
    QAction *m_openAction = nullptr;
    QMenu *m_recentMenu = nullptr;
    QAction *m_exportAction = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_languageAction = nullptr;
    QAction *m_popupAction = nullptr;
    QAction *m_helpAction = nullptr;
    QAction *m_helpContentsAction = nullptr; // F1, no menu item: "?" is the about box
    SaveCommand *m_saveCommand = nullptr;
    OpenCommand *m_openCommand = nullptr;
    QAction *m_saveAction = nullptr;
    StatusLine *m_statusLine = nullptr;
    DocumentHistory *m_history = nullptr;
    UndoActions *m_undoActions = nullptr;
    RecoveryKeeper *m_recovery = nullptr;
    bool m_settingsInMemory = false; // the store's file could not be used safely
    std::unique_ptr<QSettings> m_userSettings = openUserSettings(&m_settingsInMemory);
    RecentFiles m_recent{*m_userSettings};
    FontFileMemory m_fontMemory{*m_userSettings};
    QMenu *m_viewMenu = nullptr;
    QAction *m_phonePixelsAction = nullptr;
    std::unique_ptr<PhonePixelsWindow> m_phonePixels;
    QString m_targetPath; // what the status line names, said again after a language switch
    bool m_loading = false; // a whole map is being loaded: one redraw at the end
    ExportCommand *m_exportCommand = nullptr;
    SideWindows m_sideWindows;
    FileDialogState m_languageDialog;
};
