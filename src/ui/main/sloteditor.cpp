#include "ui/main/sloteditor.h"

#include "core/fontmapdocument.h"
#include "core/recentfiles.h"
#include "core/textnumber.h"
#include "fonts/fontfilereader.h"
#include "ui/main/fontmapeditor.h"
#include "ui/services/messageboxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

SlotEditor::SlotEditor(const FontMapEditor &controls, FontMapDocument &document, FileChooser &files,
                       MessageBoxes &messages, QWidget &window)
    : QObject(&window)
    , m_controls(controls)
    , m_document(document)
    , m_files(files)
    , m_messages(messages)
    , m_window(window)
{
    setObjectName(QStringLiteral("slotEditor"));
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotControls &row = controls.slot(i);
        // The first row's dialog alone has a "*.ttf" of its own, taken as
        // its default extension.
        if (i == 0)
            m_dialogs[i].defaultSuffix = QStringLiteral("ttf");

        connect(row.open, &QPushButton::clicked, this, [this, i] { chooseFont(i); });
        connect(row.plus, &QPushButton::clicked, this, [this, i] { increaseSize(i); });
        connect(row.minus, &QPushButton::clicked, this, [this, i] { decreaseSize(i); });
        connect(row.info, &QPushButton::clicked, this, [this, i] { showSlotInfo(i); });
        // A note about the last chosen file no longer holds once the user types.
        QLineEdit *face = row.face;
        connect(face, &QLineEdit::textEdited, face, [face] { face->setToolTip(QString()); });
    }
    connect(controls.chromaScroll(), &QScrollBar::valueChanged, this, &SlotEditor::chromaSpinnerMoved);
}

SlotEditor::~SlotEditor() = default;

void SlotEditor::chooseFont(std::size_t slot)
{
    FileDialogState &dialog = m_dialogs[slot];
    const QString lastFolder = m_recent ? m_recent->fontFolder() : QString();
    dialog.initialFolder = lastFolder.isEmpty() ? QCoreApplication::applicationDirPath() : lastFolder;
    // In the language in use now; the first row's dialog alone has a title.
    dialog.filter = tr("Font file (*.ttf)");
    if (slot == 0)
        dialog.title = tr("Apri TTF");
    // Cancel leaves the slot exactly as it was: face, reader and preview.
    if (!m_files.chooseFile(&m_window, dialog))
        return;
    if (m_recent)
        m_recent->setFontFolder(QFileInfo(dialog.fileName).absolutePath());

    // The old reader lets go of its file before the new one looks: a face
    // that only it kept registered is looked up afresh.
    m_readers[slot].reset();
    m_readers[slot] = std::make_unique<FontFileReader>();
    m_readers[slot]->setFontFile(dialog.fileName);
    const QString faceName = m_readers[slot]->faceName();
    // Told before the face changes, so that the first redraw knows the file.
    emit fontFileChosen(slot, dialog.fileName, *m_readers[slot]);

    // A new face redraws through its change; the same face again still
    // needs one redraw, as its file may be another.
    const bool sameFace = m_document.slotValue(slot).face == faceName;
    m_document.setFace(slot, faceName);
    if (sameFace)
        emit previewOutdated();
}

void SlotEditor::increaseSize(std::size_t slot)
{
    m_document.setSize(slot, numberText(leadingNumber(m_document.slotValue(slot).size) + 1));
    emit previewOutdated();
}

void SlotEditor::decreaseSize(std::size_t slot)
{
    const double lowest = slotTable()[slot].lowestSize;
    if (leadingNumber(m_document.slotValue(slot).size) < lowest)
        m_document.setSize(slot, numberText(lowest));
    const double value = leadingNumber(m_document.slotValue(slot).size);
    if (value > lowest)
        m_document.setSize(slot, numberText(value - 1));
    emit previewOutdated();
}

void SlotEditor::showSlotInfo(std::size_t slot)
{
    m_messages.inform(&m_window, QCoreApplication::translate("SlotInfo", slotTable()[slot].infoMessage));
}

void SlotEditor::chromaSpinnerMoved()
{
    m_document.setChroma(QString::number(100 - m_controls.chromaScroll()->value()));
}
