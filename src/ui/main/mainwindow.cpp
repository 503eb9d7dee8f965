#include "ui/main/mainwindow.h"

#include "preview/phonepreview.h"
#include "ui/apptexts.h"
#include "ui/dialogs/phonemodeldialog.h"
#include "ui/dialogs/copylistdialog.h"
#include "ui/dialogs/aboutdialog.h"
#include "ui/main/fontmapeditor.h"
#include "ui/main/savecommand.h"
#include "ui/main/sloteditor.h"
#include "ui/services/filechooser.h"
#include "ui/services/messageboxes.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace {
constexpr int statusBarHeight = 20;
constexpr int savedMessageMs = 5000;
} // namespace

MainWindow::MainWindow(FileChooser *files, MessageBoxes *messages, QWidget *parent)
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
    m_document = new FontMapDocument(this);
    m_editor = new FontMapEditor(area, *m_document);
    m_preview = new PhonePreview(area);
    m_preview->move(0, 0);
    m_slotEditor = new SlotEditor(*m_editor, *m_document, *m_files, *m_messages, *this);
    // After the editor's own connection, so the controls show a value
    // before the preview redraws for it.
    connect(m_document, &FontMapDocument::changed, this, &MainWindow::documentChanged);
    connect(m_slotEditor, &SlotEditor::previewOutdated, this, &MainWindow::aggiornaanteprima);

    buildMenus();
    // Below the designed client area: what the last save did.
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->setFixedHeight(statusBarHeight);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    startUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    m_fileMenu = menuBar()->addMenu(QString());
    m_fileMenu->setObjectName(QStringLiteral("cmd_file"));
    m_saveAction = m_fileMenu->addAction(QString());
    m_saveAction->setObjectName(QStringLiteral("cmd_save"));
    m_saveAction->setShortcut(QKeySequence::Save);
    m_fileMenu->addSeparator()->setObjectName(QStringLiteral("cccc"));
    m_exitAction = m_fileMenu->addAction(QString());
    m_exitAction->setObjectName(QStringLiteral("cmd_exit"));
    // Some platforms name no key for quitting; Ctrl+Q is what users expect.
    const QKeySequence quit(QKeySequence::Quit);
    m_exitAction->setShortcut(quit.isEmpty() ? QKeySequence(Qt::CTRL | Qt::Key_Q) : quit);

    m_settingsMenu = menuBar()->addMenu(QString());
    m_settingsMenu->setObjectName(QStringLiteral("cmd_settings"));
    m_languageAction = m_settingsMenu->addAction(QString());
    m_languageAction->setObjectName(QStringLiteral("cmd_lang"));
    m_popupAction = m_settingsMenu->addAction(QString());
    m_popupAction->setObjectName(QStringLiteral("visualizza_pop"));
    m_popupAction->setCheckable(true);
    m_popupAction->setChecked(true);

    m_helpAction = menuBar()->addAction(QString());
    m_helpAction->setObjectName(QStringLiteral("cmd_help"));
    m_helpAction->setShortcut(QKeySequence::HelpContents);

    m_saveCommand = new SaveCommand(*m_document, m_sideWindows, *m_messages, *this, m_popupAction);
    connect(m_saveAction, &QAction::triggered, m_saveCommand, &SaveCommand::run);
    connect(m_saveCommand, &SaveCommand::savedTo, this, [this](const QString &path) {
        statusBar()->showMessage(tr("Salvato: %1").arg(QDir::toNativeSeparators(path)), savedMessageMs);
    });
    connect(m_helpAction, &QAction::triggered, this, [this] { m_sideWindows.about().showOver(this); });
    connect(m_exitAction, &QAction::triggered, this, &QWidget::close);
    connect(m_languageAction, &QAction::triggered, this, &MainWindow::chooseLanguage);
    // The check mark has already flipped when triggered arrives.
    connect(m_popupAction, &QAction::triggered, this, &MainWindow::salvaimpostazioni);
    retranslate();
}

void MainWindow::retranslate()
{
    // The underlined letters change no caption's visible text.
    m_fileMenu->setTitle(tr("&File"));
    m_saveAction->setText(tr("&Save to Glyphmux.ini"));
    m_exitAction->setText(tr("E&xit"));
    m_settingsMenu->setTitle(tr("&Settings"));
    m_languageAction->setText(tr("&Language"));
    m_popupAction->setText(tr("Show information &popup"));
    m_helpAction->setText(tr("&?"));
    m_editor->retranslate();
    m_slotEditor->retranslate();
    m_saveCommand->retranslate();
    statusBar()->clearMessage(); // said in the language before
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::startUp()
{
    aggiornaanteprima();
    caricaimpostazioni();
}

void MainWindow::documentChanged(FontMapDocument::Field field, int slot)
{
    // Sizes move only through their steppers, which redraw themselves; the
    // height, width and font path are not drawn.
    switch (field) {
    case FontMapDocument::Field::Face:
    case FontMapDocument::Field::Zoom:
        return aggiornaanteprima();
    case FontMapDocument::Field::Italic:
        return cambiacorsivo(std::size_t(slot));
    case FontMapDocument::Field::Chroma:
        return chromacambiato();
    case FontMapDocument::Field::Size:
    case FontMapDocument::Field::Height:
    case FontMapDocument::Field::Width:
    case FontMapDocument::Field::FontPath:
        return;
    }
}

void MainWindow::aggiornaanteprima()
{
    aggiornafont();
    aggiornafontsize();
    aggiornacolore();
}

void MainWindow::aggiornafont()
{
    m_preview->applyFaces(m_document->map());
}

void MainWindow::aggiornafontsize()
{
    m_preview->applySizes(m_document->map());
}

void MainWindow::aggiornacolore()
{
    // Writing "0" into an empty chroma raises its change, whose refresh
    // runs to the end before this one goes on.
    if (m_document->map().chroma.isEmpty())
        m_document->setChroma(QStringLiteral("0"));
    m_preview->applyColour(m_document->map().chroma);
}

void MainWindow::chromacambiato()
{
    aggiornaanteprima();
}

void MainWindow::cambiacorsivo(std::size_t slot)
{
    m_preview->applyItalic(slot, m_document->slotValue(slot).italic);
    aggiornaanteprima();
}

bool MainWindow::Salva()
{
    return m_saveCommand->Salva();
}

bool MainWindow::modelloscelto() const
{
    return m_saveCommand->modelloscelto();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Ending the main window ends the program: nothing is saved or asked,
    // the side windows go with it and no save or title step is left to run.
    m_sideWindows.closeAll();
    m_saveCommand->stop();
    event->accept();
}
