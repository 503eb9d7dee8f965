#pragma once

#include "ui/dialogs/fontaudition.h"
#include "core/fontmap.h"
#include "ui/dialogs/fontlistmodel.h"

#include <QObject>

#include <memory>
#include <optional>

class FileChooser;
class FontListWindow;
class MainWindow;
class QAction;
class QMenu;

// Ties the font list to the main window: "View → Font list…", the face
// fields' "Browse fonts for <slot>…", the slots' sample texts and sizes,
// and the trials of faces in a slot (the one place that changes the document
// for the list).
class FontListGlue final : public QObject, public FontAudition
{
    Q_OBJECT
public:
    FontListGlue(MainWindow &window, QMenu &viewMenu, FileChooser &files);
    ~FontListGlue() override;

    // Shows the list aimed at 'slot' (made on first use).
    void open(std::size_t slot);
    // Null until the list was first opened.
    FontListWindow *window() const { return m_list.get(); }
    QAction *action() const { return m_action; }
    void retranslate();
    void close();

    // What a row's sample shows for 'slot': its phone texts in the current
    // language, at the pixel size the preview gives them.
    SlotSample slotSample(std::size_t slot) const;

    void audition(std::size_t slot, const QString &path) override;
    void showOriginal() override;
    void keep() override;
    void cancel() override;

private:
    struct Trial
    {
        std::size_t slot = 0;
        FontMap::Slot before; // the slot as it was, for A/B
    };

    MainWindow &m_window;
    FileChooser &m_files;
    QAction *m_action = nullptr;
    std::unique_ptr<FontListWindow> m_list;
    std::optional<Trial> m_trial;
};
