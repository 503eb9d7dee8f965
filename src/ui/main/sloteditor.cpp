#include "ui/main/sloteditor.h"

#include "core/fontfilememory.h"
#include "core/fontmapdocument.h"
#include "core/recentfiles.h"
#include "core/textnumber.h"
#include "fonts/chosenfonts.h"
#include "ui/main/documenthistory.h"
#include "ui/main/fontmapeditor.h"
#include "ui/services/messageboxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QScrollBar>

SlotEditor::SlotEditor(const FontMapEditor &controls, FontMapDocument &document, ChosenFonts &fonts,
                       FileChooser &files, MessageBoxes &messages, QWidget &window)
    : QObject(&window)
    , m_controls(controls)
    , m_document(document)
    , m_fonts(fonts)
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
        //: Open TTF (the font dialog's title)
        dialog.title = tr("Apri TTF");
    // Cancel leaves the slot exactly as it was: face, reader and preview.
    if (!m_files.chooseFile(&m_window, dialog))
        return;
    chooseFontFile(slot, dialog.fileName);
}

void SlotEditor::chooseFontFile(std::size_t slot, const QString &path)
{
    if (m_recent)
        m_recent->setFontFolder(QFileInfo(path).absolutePath());
    if (m_memory)
        m_memory->addFontFolder(QFileInfo(path).absolutePath());
    // A changed face or file redraws through the document; the same choice
    // again was read afresh and still needs one redraw.
    const DocumentHistory::Step step(m_history, DocumentHistory::StepKind::Font, int(slot));
    const FontMap::Slot before = m_document.slotValue(slot);
    const FontDetails details = m_fonts.choose(slot, path);
    emit fontFileChosen(slot, path, details);
    if (m_document.slotValue(slot) == before)
        emit previewOutdated();
}

void SlotEditor::increaseSize(std::size_t slot)
{
    const DocumentHistory::Step step(m_history, DocumentHistory::StepKind::Size, int(slot));
    m_document.setSize(slot, numberText(leadingNumber(m_document.slotValue(slot).size) + 1));
    emit previewOutdated();
}

void SlotEditor::decreaseSize(std::size_t slot)
{
    const DocumentHistory::Step step(m_history, DocumentHistory::StepKind::Size, int(slot));
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
