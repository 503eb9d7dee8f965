#pragma once

#include "ui/services/filechooser.h"

#include <QObject>
#include <QString>

struct FontMap;
class FontFileMemory;
class MessageBoxes;
class QMenu;
class QMimeData;
class RecentFiles;
class QWidget;

// "Open Glyphmux.ini…", "Open Recent", a file named on the command line or
// dropped on the window: reads the file, says why when it is not taken (and
// then changes nothing), hands the map over and lists in one message what
// the file held that the editor does not take.
class OpenCommand final : public QObject
{
    Q_OBJECT
public:
    // 'window' owns this and is the parent of its dialogs and messages.
    // All must outlive it.
    OpenCommand(FileChooser &files, MessageBoxes &messages, RecentFiles &recent, QWidget &window);

    // Each face of an opened file gets the font file it came from, looked
    // up with what 'memory' keeps (it must outlive this); without it, none.
    void findFontsWith(const FontFileMemory &memory) { m_fontMemory = &memory; }

    // The menu command: choose a file, then open it.
    void choose();
    // False, after telling the user, when the file was not taken.
    bool open(const QString &path);
    // Fills the "Open Recent" menu anew: the last files, the missing ones disabled.
    void fillRecentMenu(QMenu *menu);

    // The .ini file a drag carries, or empty when it carries anything else.
    static QString iniFileIn(const QMimeData *data);

signals:
    // A file was read: its map and its absolute path.
    void loaded(const FontMap &map, const QString &path);

private:
    FileChooser &m_files;
    MessageBoxes &m_messages;
    RecentFiles &m_recent;
    QWidget &m_window;
    FileDialogState m_dialog;
    const FontFileMemory *m_fontMemory = nullptr;
};
