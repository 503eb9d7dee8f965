#include "ui/captiontable.h"

#include "preview/previewlabels.h"

namespace {

// The captions after the preview labels', in their order in the file.
constexpr const char *otherCaptionControls[] = {
    // Font map editor
    "Frame2", "Frame4", "Frame3", "Frame5", "Label37", "Label38", "Label2", "Label6",
    // Phone-model window
    "Form2",
};
static_assert(PreviewLabelCount + std::size(otherCaptionControls) == CaptionFieldCount);

std::array<CaptionField, CaptionFieldCount> buildCaptionTable()
{
    std::array<CaptionField, CaptionFieldCount> table{};
    const PreviewLabelOrder &labels = languageFieldOrder();
    for (std::size_t i = 0; i < PreviewLabelCount; ++i)
        table[i].control = previewLabelTable()[labels[i]].name;
    for (std::size_t i = 0; i < std::size(otherCaptionControls); ++i)
        table[PreviewLabelCount + i].control = otherCaptionControls[i];
    return table;
}

} // namespace

const std::array<CaptionField, CaptionFieldCount> &captionTable()
{
    static const std::array<CaptionField, CaptionFieldCount> table = buildCaptionTable();
    return table;
}

