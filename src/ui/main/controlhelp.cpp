#include "ui/main/controlhelp.h"

#include "ui/main/fontmapeditor.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

void ControlHelp::apply(const FontMapEditor &editor)
{
    // Only what this editor does with a value: what the engine makes of it
    // is the engine's business.
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotControls &row = editor.slot(i);
        const QString slot = QLatin1String(slotTable()[i].key);
        row.open->setToolTip(tr("Choose the TrueType file (.ttf) for %1").arg(slot));
        row.open->setAccessibleName(tr("Open a font for %1").arg(slot));
        row.info->setToolTip(tr("Which texts of the phone's screen %1 draws").arg(slot));
        row.info->setAccessibleName(tr("What %1 draws").arg(slot));
        row.minus->setToolTip(tr("Smaller: the size of %1 one step down").arg(slot));
        row.minus->setAccessibleName(tr("Smaller %1").arg(slot));
        row.plus->setToolTip(tr("Larger: the size of %1 one step up").arg(slot));
        row.plus->setAccessibleName(tr("Larger %1").arg(slot));
        row.size->setToolTip(tr("The size of %1, written after \"@\" on its line of Glyphmux.ini").arg(slot));
        row.height->setToolTip(tr("Height of %1: written as it stands after \":Y\" on its line of Glyphmux.ini").arg(slot));
        row.width->setToolTip(tr("Width of %1: written as it stands after \":W\" on its line of Glyphmux.ini").arg(slot));
        row.italic->setToolTip(tr("Italic %1: writes \":I\" on its line of Glyphmux.ini and slants the preview").arg(slot));
        row.italic->setAccessibleName(tr("Italic %1").arg(slot));
    }
    const QString zoom = tr("Zoom, 1 to 300 %: written as ZoomRatio= in Glyphmux.ini; the preview's sizes follow it");
    editor.scrollZoom()->setToolTip(zoom);
    editor.zoomValueLabel()->setToolTip(zoom);
    const QString chroma = tr("Chroma, 0 to 100: written as Chroma= in Glyphmux.ini; the preview shows its grey. "
                              "The arrows beside it change it");
    editor.chromaValue()->setToolTip(chroma);
    editor.chromaScroll()->setToolTip(chroma);
    editor.chromaScroll()->setAccessibleName(tr("Chroma"));
    editor.fontPath()->setToolTip(tr("The font path, written as it stands as ExtraFontFile= in Glyphmux.ini"));
}

QString ControlHelp::faceField(std::size_t slot)
{
    return tr("Face name of the font the phone uses for %1: type it, or choose a TrueType file with the open button")
        .arg(QLatin1String(slotTable()[slot].key));
}
