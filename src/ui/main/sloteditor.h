#pragma once

#include "core/slottable.h"
#include "ui/services/filechooser.h"

#include <QObject>

#include <array>
#include <memory>

class ChosenFonts;
class DocumentHistory;
class FontFileReader;
class FontMapDocument;
struct FontDetails;
class FontFileMemory;
class FontMapEditor;
class MessageBoxes;
class RecentFiles;

// The behaviour of the slot rows' buttons and of the chroma spinner: font
// choice, size steppers and information buttons. One set of handlers serves
// all five rows, each driven by its slot of the slot table. It owns the five
// open-file dialogs' states; the files chosen live in the document.
class SlotEditor final : public QObject
{
    Q_OBJECT
public:
    // Connects itself to the editor's controls; 'window' owns it and is
    // the parent of its dialogs and messages. All must outlive it.
    SlotEditor(const FontMapEditor &controls, FontMapDocument &document, ChosenFonts &fonts, FileChooser &files,
               MessageBoxes &messages, QWidget &window);
    ~SlotEditor() override;

    // The dialogs start in the folder a font was last taken from, kept
    // there; without this, in the program's folder. 'recent' must outlive this.
    void rememberFontFolderIn(RecentFiles &recent) { m_recent = &recent; }
    // Every folder a font is taken from is remembered there too, where
    // opening a file looks for its faces. 'memory' must outlive this.
    void rememberFontFoldersIn(FontFileMemory &memory) { m_memory = &memory; }
    // Each choice and size step is one step of 'history', which must outlive this.
    void recordStepsIn(DocumentHistory &history) { m_history = &history; }

    // The open button: choose a font file for the slot and show its face.
    void chooseFont(std::size_t slot);
    // Chooses the font file at 'path' for the slot, as its open button does.
    void chooseFontFile(std::size_t slot, const QString &path);
    // The plus and minus buttons of the slot's size.
    void increaseSize(std::size_t slot);
    void decreaseSize(std::size_t slot);
    // The "?" button: which texts on the phone the slot draws.
    void showSlotInfo(std::size_t slot);
    // The chroma spinner moved; the chroma's own change redraws.
    void chromaSpinnerMoved();

    // What the slot's dialog (CommonDialog1 ... 5) keeps between uses.
    const FileDialogState &dialog(std::size_t slot) const { return m_dialogs[slot]; }

signals:
    // A font file was chosen for 'slot' and read, refused or not; sent
    // after the document took the choice.
    void fontFileChosen(std::size_t slot, const QString &path, const FontDetails &details);
    // A step changed what the preview shows without a change of the
    // document announcing it.
    void previewOutdated();

private:
    const FontMapEditor &m_controls;
    FontMapDocument &m_document;
    ChosenFonts &m_fonts;
    FileChooser &m_files;
    MessageBoxes &m_messages;
    QWidget &m_window;
    std::array<FileDialogState, SlotCount> m_dialogs;
    RecentFiles *m_recent = nullptr;
    FontFileMemory *m_memory = nullptr;
    DocumentHistory *m_history = nullptr;
};
