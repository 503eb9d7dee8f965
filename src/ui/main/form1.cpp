#include "ui/main/form1.h"

#include "core/fontmap.h"
#include "core/safesave.h"
#include "preview/phonepreview.h"
#include "ui/apptexts.h"
#include "ui/dialogs/form2.h"
#include "ui/dialogs/form3.h"
#include "ui/dialogs/frmabout.h"
#include "fonts/cfontpreview.h"
#include "ui/main/exportcommand.h"
#include "ui/main/fontmapeditor.h"
#include "ui/main/savecommand.h"
#include "ui/main/sloteditor.h"
#include "ui/services/filechooser.h"
#include "ui/services/messageboxes.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

namespace {
const QString iniFileName = QStringLiteral("Glyphmux.ini");
}

Form1::Form1(FileChooser *files, MessageBoxes *messages, QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    if (!files) {
        m_ownFiles = std::make_unique<QtFileChooser>();
        files = m_ownFiles.get();
    }
    if (!messages) {
        m_ownMessages = std::make_unique<QtMessageBoxes>();
        messages = m_ownMessages.get();
    }
    m_files = files;
    m_messages = messages;

    setWindowTitle(AppTexts::mainWindowCaption());
    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("clientArea"));
    area->setFixedSize(744, 388);
    // The layout is measured for a small dialog font, about 8 pt at 96 dpi.
    QFont controlsFont = area->font();
    controlsFont.setPixelSize(11);
    area->setFont(controlsFont);
    setCentralWidget(area);
    m_editor = new FontMapEditor(area);
    buildPreview(area);
    m_slotEditor = new SlotEditor(*this);

    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    startUp();
}

Form1::~Form1() = default;

void Form1::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("cmd_file"));
    QAction *save = file->addAction(QStringLiteral("Save to Glyphmux.ini"));
    save->setObjectName(QStringLiteral("cmd_save"));
    QAction *separator = file->addSeparator();
    separator->setObjectName(QStringLiteral("cccc"));
    buildExportCommand(file, separator);
    QAction *exit = file->addAction(QStringLiteral("Exit"));
    exit->setObjectName(QStringLiteral("cmd_exit"));

    QMenu *settings = menuBar()->addMenu(QStringLiteral("Settings"));
    settings->setObjectName(QStringLiteral("cmd_settings"));
    QAction *lang = settings->addAction(QStringLiteral("Language"));
    lang->setObjectName(QStringLiteral("cmd_lang"));
    m_popupAction = settings->addAction(QStringLiteral("Show information popup"));
    m_popupAction->setObjectName(QStringLiteral("visualizza_pop"));
    m_popupAction->setCheckable(true);
    m_popupAction->setChecked(true);

    QAction *help = menuBar()->addAction(QStringLiteral("?"));
    help->setObjectName(QStringLiteral("cmd_help"));

    m_saveCommand = new SaveCommand(*this, m_popupAction);
    connect(save, &QAction::triggered, m_saveCommand, &SaveCommand::run);
    connect(help, &QAction::triggered, this, [this] { aboutBox().showOver(this); });
    connect(exit, &QAction::triggered, this, &QWidget::close);
    connect(lang, &QAction::triggered, this, &Form1::chooseLanguage);
    // The check mark has already flipped when triggered arrives.
    connect(m_popupAction, &QAction::triggered, this, &Form1::salvaimpostazioni);
}

void Form1::buildExportCommand(QMenu *file, QAction *before)
{
    // A slot's file is exported only while its face is the one the file gave.
    auto sources = [this] {
        ExportSources sources{fontMap(), {}};
        for (std::size_t i = 0; i < SlotCount; ++i) {
            const CFontPreview *inspector = m_slotEditor->inspector(i);
            if (inspector && !inspector->FaceName().isEmpty() && inspector->FaceName() == sources.map.slotValues[i].face)
                sources.fontFiles[i] = inspector->FontFile();
        }
        return sources;
    };
    m_exportCommand = new ExportCommand(*this, *m_files, *m_messages, sources, [this] { return form3().windowTitle(); });
    auto *action = new QAction(tr("Export for the phone…"), file);
    action->setObjectName(QStringLiteral("cmd_export"));
    file->insertAction(before, action);
    connect(action, &QAction::triggered, m_exportCommand, [this] { m_exportCommand->start(); });
}

void Form1::startUp()
{
    aggiornaanteprima();
    caricaimpostazioni();
}

void Form1::buildPreview(QWidget *area)
{
    PreviewSources sources;
    for (std::size_t i = 0; i < SlotCount; ++i) {
        sources.faces[i] = m_editor->slot(i).face;
        sources.sizes[i] = m_editor->slot(i).size;
    }
    sources.zoom = m_editor->valoreZoom();
    sources.chroma = m_editor->chromaValue();
    m_preview = new PhonePreview(sources, area);
    m_preview->move(0, 0);

    // Typed or set by code, a face change redraws the preview and nothing else.
    for (const QLineEdit *face : sources.faces)
        connect(face, &QLineEdit::textChanged, this, &Form1::aggiornaanteprima);
    connect(m_editor->chromaValue(), &QLineEdit::textChanged, this, &Form1::chromacambiato);
}

void Form1::aggiornaanteprima()
{
    aggiornafont();
    aggiornafontsize();
    aggiornacolore();
}

void Form1::aggiornafont()
{
    m_preview->applyFaces();
}

void Form1::aggiornafontsize()
{
    m_preview->applySizes();
}

void Form1::aggiornacolore()
{
    m_preview->applyColour();
}

void Form1::chromacambiato()
{
    aggiornaanteprima();
}

FontMap Form1::fontMap() const
{
    return m_editor->fontMap();
}

bool Form1::Salva()
{
    const SaveOutcome outcome = saveFileAtomically(iniFileName, encodeGlyphmuxIni(glyphmuxIniLines(fontMap())));
    if (!outcome.ok) {
        m_messages->warn(this, QStringLiteral("Impossibile salvare %1:\n%2")
                                   .arg(QFileInfo(iniFileName).absoluteFilePath(), outcome.error));
        return false;
    }
    m_saveCommand->saved();
    return true;
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Ending the main window ends the program: nothing is saved or asked,
    // the side windows go with it and no save or title step is left to run.
    if (m_form2)
        m_form2->close();
    if (m_form3)
        m_form3->close();
    if (m_about)
        m_about->close();
    m_saveCommand->stop();
    event->accept();
}

Form2 &Form1::form2()
{
    if (!m_form2) {
        m_form2 = std::make_unique<Form2>();
        m_saveCommand->watch(*m_form2);
        connect(m_form2.get(), &Form2::modelConfirmed, m_exportCommand,
                [this] { m_exportCommand->familyConfirmed(m_form2->selectedFamily()); });
    }
    return *m_form2;
}

Form3 &Form1::form3()
{
    if (!m_form3) {
        m_form3 = std::make_unique<Form3>();
        connect(m_form3.get(), &Form3::exportRequested, m_exportCommand, [this] { m_exportCommand->start(); });
    }
    return *m_form3;
}

frmAbout &Form1::aboutBox()
{
    if (!m_about)
        m_about = std::make_unique<frmAbout>();
    return *m_about;
}
