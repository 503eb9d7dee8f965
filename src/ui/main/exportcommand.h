#pragma once

#include "core/fontmap.h"
#include "core/phoneexport.h"
#include "core/phonefamily.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>
#include <optional>

class ExportDialog;
class FileChooser;
class MessageBoxes;
class QSettings;
class QWidget;
struct ExportRequest;

// What the export takes from the editor: the font map, and the file each
// slot's face came from (empty when the face was typed), with what the
// editor found in each file that the phone may not use.
struct ExportSources {
    FontMap map;
    std::array<QString, SlotCount> fontFiles;
    std::array<FontUseNote, SlotCount> fontNotes;
};

// "Export for the phone…": asks for the target folder, the phone family and
// the engine's folder, shows what the export would meet, asks once before
// replacing files, copies with a progress dialog that can cancel, and says
// how it went. The folders and the family are remembered in the user's
// settings, the store the window owns.
class ExportCommand final : public QObject
{
    Q_OBJECT
public:
    // 'settings' must outlive this.
    ExportCommand(QWidget &window, FileChooser &files, MessageBoxes &messages, QSettings &settings,
                  std::function<ExportSources()> sources);
    ~ExportCommand() override;

    // Opens the export dialog. Without 'family', the one last confirmed in
    // the phone-model window is chosen, else the one of the last export.
    void start(std::optional<PhoneFamily> family = std::nullopt);
    // The phone-model window confirmed this family.
    void familyConfirmed(PhoneFamily family) { m_confirmed = family; }

    // Null until the first start.
    ExportDialog *dialog() const;

signals:
    // An export was written: its Glyphmux.ini, and the copy of each slot's
    // file beside it (empty for a slot without a file).
    void exported(const QString &iniPath, const std::array<QString, SlotCount> &fontCopies);

private:
    ExportRequest request() const;
    void refresh();
    void chooseTarget();
    void chooseEngine();
    void run();
    void remember() const;

    QWidget &m_window;
    FileChooser &m_files;
    MessageBoxes &m_messages;
    QSettings &m_settings;
    std::function<ExportSources()> m_sources;
    QPointer<ExportDialog> m_dialog;
    std::optional<PhoneFamily> m_confirmed;
    bool m_writing = false; // the progress dialog lets other windows run meanwhile
};
