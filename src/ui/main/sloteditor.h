#pragma once

#include "core/slottable.h"
#include "ui/services/filechooser.h"

#include <QObject>

#include <array>
#include <memory>
#include <vector>

class CFontPreview;
class Form1;
class QLabel;

// The behaviour of the slot rows and of the chroma and zoom controls: font
// choice, size steppers, italic switches and information buttons. One set of
// handlers serves all five rows, each driven by its slot of the slot table.
// It owns the five slot inspectors and the five open-file dialogs' states.
class SlotEditor final : public QObject
{
    Q_OBJECT
public:
    // Connects itself to the window's controls; the window owns it.
    explicit SlotEditor(Form1 &window);
    ~SlotEditor() override;

    // The open button: choose a font file for the slot and show its face.
    void aprifont(std::size_t slot);
    // The plus and minus buttons of the slot's size.
    void incrementa(std::size_t slot);
    void decrementa(std::size_t slot);
    // The italic box changed: flip the italic of the slot's preview labels.
    void cambiacorsivo(std::size_t slot);
    // The "?" button: which texts on the phone the slot draws.
    void mostrainfo(std::size_t slot);
    // The chroma spinner moved; the chroma box's own change redraws.
    void aggiornachroma();
    // The zoom bar moved, by a step or while its thumb is dragged.
    void aggiornazoom();

    // The slot's inspector (ttf12b ... ttf12p); null before the first choice.
    const CFontPreview *inspector(std::size_t slot) const { return m_inspectors[slot].get(); }
    // What the slot's dialog (CommonDialog1 ... 5) keeps between uses.
    const FileDialogState &dialog(std::size_t slot) const { return m_dialogs[slot]; }

private:
    Form1 &m_window;
    std::array<std::unique_ptr<CFontPreview>, SlotCount> m_inspectors;
    std::array<FileDialogState, SlotCount> m_dialogs;
    std::array<std::vector<QLabel *>, SlotCount> m_italicLabels;
};
