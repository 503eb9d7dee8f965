#pragma once

#include "fonts/fontscan.h"
#include "ui/dialogs/fontlistmodel.h"
#include "ui/services/filechooser.h"

#include <QWidget>

#include <functional>

class FontAudition;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The font list: faces from a folder, the installed fonts or the document,
// each drawn in the target slot's own texts. Moving the selection tries the
// face in the slot (an audition); Return, a double-click or "Use" keeps it,
// Escape or closing puts back what the slot had, Space compares the two.
// A window of its own beside the main one, never modal.
class FontListWindow final : public QWidget
{
    Q_OBJECT
public:
    enum class Source { Folder, Installed, Document };

    // 'audition' and 'files' must outlive the window.
    FontListWindow(FontAudition &audition, FileChooser &files);
    ~FontListWindow() override;

    // What the window needs to know of the document, set by its owner.
    std::function<SlotSample(std::size_t slot)> slotSample;
    std::function<QStringList()> documentFiles;

    // Shows the window (reading its source the first time) aimed at 'slot'.
    void openFor(std::size_t slot, const QWidget *owner);
    // The slots' texts, sizes or language changed: samples and coverage follow.
    void slotsChanged();
    void setSource(Source source);
    // Reads 'folder' (with its subfolders) and remembers it.
    void setFolder(const QString &folder);
    std::size_t targetSlot() const;

    FontListModel &model() { return m_model; }
    FontListFilter &filter() { return m_filter; }
    QTableView *view() const { return m_view; }
    FontScanner &scanner() { return m_scanner; }

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void retranslate();
    void startScan();
    void chooseFolder();
    void currentMoved();
    void keepCurrent();
    void compare();
    void endSession(bool keep);
    void targetChanged();
    void updateCount();
    QString currentPath() const;

    FontAudition &m_audition;
    FileChooser &m_files;
    FontListModel m_model;
    FontListFilter m_filter{m_model};
    FontScanner m_scanner;
    FileDialogState m_folderDialog;
    Source m_source = Source::Folder;
    bool m_read = false;          // the source has been read since the window was shown
    QString m_wanted;             // the characters every row was checked for
    bool m_auditioning = false;   // a session is open
    bool m_showingOriginal = false;
    std::size_t m_sessionSlot = 0;

    QComboBox *m_sourceBox = nullptr;
    QPushButton *m_folderButton = nullptr;
    QLabel *m_folderLabel = nullptr;
    QLabel *m_slotLabel = nullptr;
    QComboBox *m_slotBox = nullptr;
    QLineEdit *m_search = nullptr;
    QCheckBox *m_coverageOnly = nullptr;
    QCheckBox *m_hideUnusable = nullptr;
    QTableView *m_view = nullptr;
    QLabel *m_count = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_use = nullptr;
    QPushButton *m_close = nullptr;
};
