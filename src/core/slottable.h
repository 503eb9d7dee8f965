#pragma once

#include <array>
#include <cstddef>

// The five font slots of the phone and everything that hangs off each one:
// control names and sizes. Every area of the program reads the slots from
// here, so a slot is described exactly once. (Which preview labels a slot
// draws is told by the preview label table.)

struct SlotInfo {
    const char *key;          // phone font key; also the face field's name
    const char *sizeField;    // read-only size box
    const char *heightField;
    const char *italicBox;
    const char *widthField;
    const char *rowLabel;     // caption is the key
    const char *openButton;
    const char *infoButton;
    const char *infoMessage;
    const char *minusButton;
    const char *plusButton;
    int initialSize;
    int lowestSize;
    int previewSizeOffset;    // preview point size = (size - offset) * zoom
};

inline constexpr std::size_t SlotCount = 5;
const std::array<SlotInfo, SlotCount> &slotTable();

// The fourteen alias lines of Glyphmux.ini: all take the face of slot 2,
// a fixed size and the italic flag of the slot named here (0-based).
struct AliasLine {
    const char *name;
    int size;
    std::size_t italicSlot;
};
inline constexpr std::size_t AliasCount = 14;
const std::array<AliasLine, AliasCount> &aliasTable();
