#pragma once

#include "core/slottable.h"
#include "ui/services/filechooser.h"

#include <QObject>

#include <array>
#include <memory>

class FontFileInspector;
class FontMapDocument;
class FontMapEditor;
class MessageBoxes;

// The behaviour of the slot rows' buttons and of the chroma spinner: font
// choice, size steppers and information buttons. One set of handlers serves
// all five rows, each driven by its slot of the slot table. It owns the five
// slot inspectors and the five open-file dialogs' states.
class SlotEditor final : public QObject
{
    Q_OBJECT
public:
    // Connects itself to the editor's controls; 'window' owns it and is
    // the parent of its dialogs and messages. All must outlive it.
    SlotEditor(const FontMapEditor &controls, FontMapDocument &document, FileChooser &files,
               MessageBoxes &messages, QWidget &window);
    ~SlotEditor() override;

    // The open button: choose a font file for the slot and show its face.
    void aprifont(std::size_t slot);
    // The plus and minus buttons of the slot's size.
    void incrementa(std::size_t slot);
    void decrementa(std::size_t slot);
    // The "?" button: which texts on the phone the slot draws.
    void mostrainfo(std::size_t slot);
    // The chroma spinner moved; the chroma's own change redraws.
    void aggiornachroma();
    // The language changed: the notes on the face fields in the new one.
    void retranslate();

    // The slot's inspector (ttf12b ... ttf12p); null before the first choice.
    const FontFileInspector *inspector(std::size_t slot) const { return m_inspectors[slot].get(); }
    // What the slot's dialog (CommonDialog1 ... 5) keeps between uses.
    const FileDialogState &dialog(std::size_t slot) const { return m_dialogs[slot]; }

    // Shown on the face field when the chosen file gave no face to draw with.
    static QString noFaceMessage(const QString &path);

signals:
    // A step changed what the preview shows without a change of the
    // document announcing it.
    void previewOutdated();

private:
    const FontMapEditor &m_controls;
    FontMapDocument &m_document;
    FileChooser &m_files;
    MessageBoxes &m_messages;
    QWidget &m_window;
    std::array<std::unique_ptr<FontFileInspector>, SlotCount> m_inspectors;
    std::array<FileDialogState, SlotCount> m_dialogs;
    std::array<QString, SlotCount> m_noFaceIn; // the file the note is about, if any
};
