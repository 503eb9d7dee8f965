#pragma once

#include <array>
#include <cstddef>

// The five font slots of the phone and everything that hangs off each one:
// control names, sizes, preview labels. Every area of the program reads the
// slots from here, so a slot is described exactly once.

// A fixed list of control names.
struct NameList {
    const char *const *names;
    std::size_t count;
    const char *const *begin() const { return names; }
    const char *const *end() const { return names + count; }
    std::size_t size() const { return count; }
    const char *operator[](std::size_t i) const { return names[i]; }
};

struct SlotInfo {
    const char *key;          // phone font key; also the face field's name
    const char *sizeField;    // read-only size box
    const char *heightField;
    const char *italicBox;
    const char *widthField;
    const char *rowLabel;     // caption is the key
    const char *openButton;
    const char *fileDialog;
    const char *inspector;
    const char *infoButton;
    const char *infoMessage;
    const char *minusButton;
    const char *plusButton;
    int initialSize;
    int lowestSize;
    int previewSizeOffset;    // preview point size = (size - offset) * zoom
    NameList previewLabels;   // in the order the italic switch changes them
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

// The slot that draws the given preview label, or -1.
int slotOfPreviewLabel(const char *labelName);
