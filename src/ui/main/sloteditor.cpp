#include "ui/main/sloteditor.h"

#include "core/textnumber.h"
#include "fonts/cfontpreview.h"
#include "fonts/fileface.h"
#include "preview/phonepreview.h"
#include "ui/main/fontmapeditor.h"
#include "ui/main/form1.h"
#include "ui/main/slotfontinfo.h"
#include "ui/services/messageboxes.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

SlotEditor::SlotEditor(Form1 &window)
    : QObject(&window)
    , m_window(window)
{
    setObjectName(QStringLiteral("slotEditor"));
    const FontMapEditor &editor = window.editor();
    for (std::size_t i = 0; i < SlotCount; ++i) {
        const SlotSpec &slotDef = slotTable()[i];
        const SlotControls &row = editor.slot(i);

        FileDialogState &dialog = m_dialogs[i];
        dialog.filter = QStringLiteral("Font file (*.ttf)");
        if (i == 0) {
            // The first row's dialog alone was given a title and "*.ttf";
            // the pattern is taken as its default extension.
            dialog.title = QStringLiteral("Apri TTF");
            dialog.defaultSuffix = QStringLiteral("ttf");
        }

        for (const char *name : slotDef.previewLabels) {
            auto *label = window.preview().findChild<QLabel *>(QLatin1String(name));
            Q_ASSERT(label);
            m_italicLabels[i].push_back(label);
        }

        connect(row.open, &QPushButton::clicked, this, [this, i] { aprifont(i); });
        connect(row.plus, &QPushButton::clicked, this, [this, i] { incrementa(i); });
        connect(row.minus, &QPushButton::clicked, this, [this, i] { decrementa(i); });
        // Every change of the box, by the user or by code, flips the labels.
        connect(row.italic, &QCheckBox::toggled, this, [this, i] { cambiacorsivo(i); });
        connect(row.info, &QPushButton::clicked, this, [this, i] { mostrainfo(i); });
        // A note about the last chosen file no longer holds once the user types.
        QLineEdit *face = row.face;
        connect(face, &QLineEdit::textEdited, face, [face] { face->setToolTip(QString()); });
    }
    connect(editor.chromaScroll(), &QScrollBar::valueChanged, this, &SlotEditor::aggiornachroma);
    // With tracking on, valueChanged also follows the thumb while it is dragged.
    editor.scrollZoom()->setTracking(true);
    connect(editor.scrollZoom(), &QScrollBar::valueChanged, this, &SlotEditor::aggiornazoom);
}

SlotEditor::~SlotEditor() = default;

void SlotEditor::aprifont(std::size_t slot)
{
    FileDialogState &dialog = m_dialogs[slot];
    dialog.initialFolder = QCoreApplication::applicationDirPath();
    // Cancel leaves the slot exactly as it was: face, inspector and preview.
    if (!m_window.fileChooser().chooseFile(&m_window, dialog))
        return;

    // The old inspector lets go of its file before the new one looks: a face
    // that only it kept registered is looked up afresh.
    m_inspectors[slot].reset();
    m_inspectors[slot] = std::make_unique<CFontPreview>();
    m_inspectors[slot]->setFontFile(dialog.fileName);
    const CFontPreview &inspector = *m_inspectors[slot];
    const QString faceName = inspector.FaceName();
    // The preview draws this file's own face, from the field's first change on.
    m_window.preview().setFileFace(slot, faceName, faceName.isEmpty() ? std::nullopt : FileFace::find(inspector.FontFile()));
    m_window.fontInfo().fileChosen(slot, dialog.fileName, inspector);

    m_window.editor().slot(slot).face->setText(faceName);
    m_window.aggiornaanteprima();
}

void SlotEditor::incrementa(std::size_t slot)
{
    QLineEdit *size = m_window.editor().slot(slot).size;
    size->setText(numberText(leadingNumber(size->text()) + 1));
    m_window.aggiornaanteprima();
}

void SlotEditor::decrementa(std::size_t slot)
{
    QLineEdit *size = m_window.editor().slot(slot).size;
    const double lowest = slotTable()[slot].lowestSize;
    if (leadingNumber(size->text()) < lowest)
        size->setText(numberText(lowest));
    const double value = leadingNumber(size->text());
    if (value > lowest)
        size->setText(numberText(value - 1));
    m_window.aggiornaanteprima();
}

void SlotEditor::cambiacorsivo(std::size_t slot)
{
    for (QLabel *label : m_italicLabels[slot]) {
        QFont font = label->font();
        font.setItalic(!font.italic());
        label->setFont(font);
    }
    m_window.aggiornaanteprima();
}

void SlotEditor::mostrainfo(std::size_t slot)
{
    m_window.messageBoxes().inform(&m_window, QString::fromUtf8(slotTable()[slot].infoMessage));
}

void SlotEditor::aggiornachroma()
{
    const FontMapEditor &editor = m_window.editor();
    editor.chromaValue()->setText(QString::number(100 - editor.chromaScroll()->value()));
}

void SlotEditor::aggiornazoom()
{
    const FontMapEditor &editor = m_window.editor();
    editor.valoreZoom()->setText(QString::number(editor.scrollZoom()->value()));
    m_window.aggiornaanteprima();
}
