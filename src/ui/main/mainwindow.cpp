#include "ui/main/mainwindow.h"

#include "core/localpath.h"
#include "fonts/chosenfonts.h"
#include "preview/phonepreview.h"
#include "ui/apptexts.h"
#include "ui/dialogs/phonemodeldialog.h"
#include "ui/dialogs/copylistdialog.h"
#include "ui/dialogs/aboutdialog.h"
#include "ui/dialogs/phonepixelswindow.h"
#include "ui/main/documenthistory.h"
#include "ui/dialogs/helpwindow.h"
#include "ui/main/exportcommand.h"
#include "ui/main/fontlistglue.h"
#include "ui/main/fontmapeditor.h"
#include "ui/main/opencommand.h"
#include "ui/main/recoverykeeper.h"
#include "ui/main/savecommand.h"
#include "ui/main/slotdrops.h"
#include "ui/main/sloteditor.h"
#include "ui/main/slotfontinfo.h"
#include "ui/plaintext.h"
#include "ui/main/statusline.h"
#include "ui/main/undoactions.h"
#include "ui/services/filechooser.h"
#include "ui/services/messageboxes.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>

namespace {
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
    // First to hear of a change, so that every reader finds the file read.
    m_chosenFonts = new ChosenFonts(*m_document, this);
    m_editor = new FontMapEditor(area, *m_document);
    m_preview = new PhonePreview(area);
    m_preview->move(0, 0);
    m_slotEditor = new SlotEditor(*m_editor, *m_document, *m_chosenFonts, *m_files, *m_messages, *this);
    m_slotEditor->rememberFontFolderIn(m_recent);
    m_slotEditor->rememberFontFoldersIn(m_fontMemory);
    new SlotDrops(*m_editor, *m_slotEditor);
    // After the editor's own connection, so the controls show a value
    // before the preview redraws for it.
    connect(m_document, &FontMapDocument::changed, this, &MainWindow::documentChanged);
    connect(m_slotEditor, &SlotEditor::previewOutdated, this, &MainWindow::refreshPreview);
    // Below the designed client area, hidden until it has news.
    m_statusLine = new StatusLine(*statusBar());
    buildFontInfo();

    buildMenus();
    buildHistory();
    setAcceptDrops(true);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    startUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    m_fileMenu = menuBar()->addMenu(QString());
    m_fileMenu->setObjectName(QStringLiteral("cmd_file"));
    m_openAction = m_fileMenu->addAction(QString());
    m_openAction->setObjectName(QStringLiteral("cmd_open"));
    m_openAction->setShortcut(QKeySequence::Open);
    m_recentMenu = m_fileMenu->addMenu(QString());
    m_recentMenu->setObjectName(QStringLiteral("cmd_recent"));
    m_recentMenu->menuAction()->setObjectName(QStringLiteral("cmd_recent"));
    m_saveAction = m_fileMenu->addAction(QString());
    m_saveAction->setObjectName(QStringLiteral("cmd_save"));
    m_saveAction->setShortcut(QKeySequence::Save);
    QAction *separator = m_fileMenu->addSeparator();
    separator->setObjectName(QStringLiteral("cccc"));
    buildExportCommand(m_fileMenu, separator);
    m_exitAction = m_fileMenu->addAction(QString());
    m_exitAction->setObjectName(QStringLiteral("cmd_exit"));
    // Some platforms name no key for quitting; Ctrl+Q is what users expect.
    const QKeySequence quit(QKeySequence::Quit);
    m_exitAction->setShortcut(quit.isEmpty() ? QKeySequence(Qt::CTRL | Qt::Key_Q) : quit);

    buildViewMenu();
    m_fontList = new FontListGlue(*this, *m_viewMenu, *m_files);
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
    m_helpContentsAction = new QAction(this);
    m_helpContentsAction->setObjectName(QStringLiteral("helpContents"));
    m_helpContentsAction->setShortcut(QKeySequence::HelpContents);
    addAction(m_helpContentsAction);

    m_saveCommand = new SaveCommand(*m_document, m_sideWindows, *m_messages, *this, m_popupAction);
    connect(m_saveAction, &QAction::triggered, m_saveCommand, &SaveCommand::run);
    connect(m_saveCommand, &SaveCommand::written, this, [this](const QString &path) {
        m_recent.add(path);
        rememberFontFiles(path);
        m_recovery->markSaved();
        m_statusLine->showMessage(tr("Saved: %1").arg(readablePath(path)), savedMessageMs);
    });
    m_openCommand = new OpenCommand(*m_files, *m_messages, m_recent, *this);
    connect(m_openAction, &QAction::triggered, m_openCommand, &OpenCommand::choose);
    connect(m_recentMenu, &QMenu::aboutToShow, m_openCommand, [this] { m_openCommand->fillRecentMenu(m_recentMenu); });
    m_openCommand->findFontsWith(m_fontMemory);
    connect(m_openCommand, &OpenCommand::loaded, this, &MainWindow::loadMap);
    connect(m_helpAction, &QAction::triggered, this, [this] { m_sideWindows.about().showOver(this); });
    connect(m_helpContentsAction, &QAction::triggered, this, [this] { m_sideWindows.help().showOver(this); });
    connect(m_exitAction, &QAction::triggered, this, &QWidget::close);
    connect(m_languageAction, &QAction::triggered, this, &MainWindow::chooseLanguage);
    // The check mark has already flipped when triggered arrives.
    connect(m_popupAction, &QAction::triggered, this, &MainWindow::saveSettings);
    retranslate();
}

void MainWindow::retranslate()
{
    // The underlined letters change no caption's visible text.
    m_fileMenu->setTitle(tr("&File"));
    m_openAction->setText(tr("&Open Glyphmux.ini…"));
    m_recentMenu->setTitle(tr("Open &Recent"));
    m_saveAction->setText(tr("&Save to Glyphmux.ini"));
    m_exportAction->setText(tr("&Export for the phone…"));
    m_exitAction->setText(tr("E&xit"));
    m_fontList->retranslate();
    m_settingsMenu->setTitle(tr("&Settings"));
    m_languageAction->setText(tr("&Language"));
    m_popupAction->setText(tr("Show information &popup"));
    m_helpAction->setText(tr("&?"));
    retranslateViewMenu();
    m_helpContentsAction->setText(tr("Help"));
    m_editor->retranslate();
    m_saveCommand->retranslate();
    m_statusLine->clearMessage(); // said in the language before
    if (!m_targetPath.isEmpty())
        showSaveTarget(m_targetPath);
    m_fontInfo->retranslate();
    if (m_undoActions) {
        m_undoActions->retranslate();
        m_recovery->retranslate();
    }
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::buildFontInfo()
{
    // Below the client area: the window grows, the controls stay in place.
    std::array<QLineEdit *, SlotCount> faces{};
    std::array<std::vector<QLabel *>, SlotCount> labels;
    for (std::size_t i = 0; i < SlotCount; ++i)
        faces[i] = m_editor->slot(i).face;
    for (std::size_t i = 0; i < PreviewLabelCount; ++i)
        labels[previewLabelTable()[i].slot].push_back(m_preview->label(i));
    m_fontInfo = new SlotFontInfo(faces, labels, *m_document, *m_chosenFonts, *m_statusLine, this);
    connect(m_preview, &PhonePreview::refreshed, m_fontInfo, &SlotFontInfo::updateCoverage);
    connect(m_slotEditor, &SlotEditor::fontFileChosen, m_fontInfo, &SlotFontInfo::fileChosen);
}

void MainWindow::buildExportCommand(QMenu *file, QAction *before)
{
    auto sources = [this] {
        ExportSources sources{fontMap(), {}, {}};
        for (std::size_t i = 0; i < SlotCount; ++i) {
            sources.fontFiles[i] = sources.map.slotValues[i].file;
            sources.fontNotes[i] = {m_fontInfo->postScriptOutlines(i), m_fontInfo->missing(i)};
        }
        return sources;
    };
    m_exportCommand = new ExportCommand(*this, *m_files, *m_messages, *m_userSettings, sources);
    connect(m_exportCommand, &ExportCommand::exported, this,
            [this](const QString &iniPath, const FontFileMemory::SlotFiles &copies) { m_fontMemory.remember(iniPath, copies); });
    m_exportAction = new QAction(file);
    m_exportAction->setObjectName(QStringLiteral("cmd_export"));
    file->insertAction(before, m_exportAction);
    connect(m_exportAction, &QAction::triggered, m_exportCommand, [this] { m_exportCommand->start(); });

    // The side windows are made on first use; the export follows them from then on.
    m_sideWindows.phoneModelMade = [this](PhoneModelDialog &dialog) {
        connect(&dialog, &PhoneModelDialog::modelConfirmed, m_exportCommand, &ExportCommand::familyConfirmed);
    };
    m_sideWindows.copyListMade = [this](CopyListDialog &dialog) {
        connect(&dialog, &CopyListDialog::exportRequested, m_exportCommand, [this] { m_exportCommand->start(); });
    };
}

void MainWindow::rememberFontFiles(const QString &iniPath)
{
    FontFileMemory::SlotFiles files;
    for (std::size_t i = 0; i < SlotCount; ++i)
        files[i] = fontMap().slotValues[i].file;
    m_fontMemory.remember(iniPath, files);
}

void MainWindow::buildHistory()
{
    m_history = new DocumentHistory(
        *m_document, [this] { return m_saveCommand->target(); },
        [this](const DocumentHistory::State &state) { applyState(state.map, state.saveTarget); }, this);
    m_history->mergePressesOf(m_editor->scrollZoom(), DocumentHistory::StepKind::Zoom);
    m_history->mergePressesOf(m_editor->chromaScroll(), DocumentHistory::StepKind::Chroma);
    m_slotEditor->recordStepsIn(*m_history);
    m_undoActions = new UndoActions(*m_history, *menuBar(), m_viewMenu->menuAction(), this);
    m_undoActions->claimFields(centralWidget());
    m_fontInfo->adjustContextMenu([this](QMenu &menu) { m_undoActions->redirect(menu); });
    m_recovery = new RecoveryKeeper(*m_history, *m_document, *m_statusLine, this);
}

void MainWindow::startUp()
{
    refreshPreview();
    loadSettings();
    // Said once, after the language is in force.
    if (m_settingsInMemory)
        m_statusLine->showMessage(tr("Preferences are kept in memory for this session only: %1 is not a plain file "
                                     "in the configuration folder")
                                      .arg(QDir::toNativeSeparators(userSettingsPath())),
                                  0);
    m_recovery->offerLeftover();
}

void MainWindow::documentChanged(FontMapDocument::Field field, int slot)
{
    // While a whole map loads, only the italics follow; one redraw ends it.
    if (m_loading) {
        if (field == FontMapDocument::Field::Italic)
            m_preview->applyItalic(std::size_t(slot), m_document->slotValue(std::size_t(slot)).italic);
        return;
    }
    // Sizes move only through their steppers, which redraw themselves; the
    // height, width and font path are not drawn.
    switch (field) {
    case FontMapDocument::Field::Face:
    case FontMapDocument::Field::Zoom:
        return refreshPreview();
    case FontMapDocument::Field::Italic:
        return italicChanged(std::size_t(slot));
    case FontMapDocument::Field::Chroma:
        return chromaChanged();
    case FontMapDocument::Field::Size:
    case FontMapDocument::Field::Height:
    case FontMapDocument::Field::Width:
    case FontMapDocument::Field::FontPath:
        return;
    }
}

void MainWindow::refreshPreview()
{
    {
        // The captions that follow their text are measured in their final font only.
        const PhonePreview::FittingHold hold(*m_preview);
        refreshFaces();
        refreshSizes();
    }
    refreshColour();
}

void MainWindow::refreshFaces()
{
    m_preview->applyFaces(m_document->map(), m_chosenFonts->drawnFaces());
}

void MainWindow::refreshSizes()
{
    m_preview->applySizes(m_document->map());
}

void MainWindow::refreshColour()
{
    // Writing "0" into an empty chroma raises its change, whose refresh
    // runs to the end before this one goes on.
    if (m_document->map().chroma.isEmpty())
        m_document->setChroma(QStringLiteral("0"));
    m_preview->applyColour(m_document->map().chroma);
}

void MainWindow::chromaChanged()
{
    refreshPreview();
}

void MainWindow::italicChanged(std::size_t slot)
{
    m_preview->applyItalic(slot, m_document->slotValue(slot).italic);
    refreshPreview();
}

bool MainWindow::writeIni()
{
    return m_saveCommand->writeIni();
}

bool MainWindow::openFile(const QString &path)
{
    return m_openCommand->open(path);
}

void MainWindow::loadMap(const FontMap &map, const QString &path)
{
    // The whole map and the new save target are one step.
    const DocumentHistory::Step step(m_history, DocumentHistory::StepKind::Open, -1,
                                    readablePath(QFileInfo(path).fileName()));
    m_loading = true;
    m_document->setMap(map);
    // The spinner stands where this chroma puts it, so its arrows go on from there.
    m_editor->chromaScroll()->setValue(100 - map.chroma.toInt());
    m_loading = false;
    refreshPreview();
    m_saveCommand->setTarget(path);
    showSaveTarget(path);
    m_recovery->markSaved();
}

void MainWindow::applyState(const FontMap &map, const QString &saveTarget)
{
    m_loading = true;
    m_document->setMap(map);
    {
        // The spinner stands where the chroma puts it, its text unchanged.
        const QSignalBlocker quiet(m_editor->chromaScroll());
        m_editor->chromaScroll()->setValue(100 - map.chroma.toInt());
    }
    m_loading = false;
    refreshPreview();
    if (saveTarget != m_saveCommand->target()) {
        m_saveCommand->setTarget(saveTarget);
        showSaveTarget(absoluteNativePath(saveTarget));
    }
}

void MainWindow::showSaveTarget(const QString &path)
{
    // The status bar appears with the first file opened; before that the
    // window keeps its designed size.
    m_targetPath = path;
    const QString shown = readablePath(path);
    m_statusLine->setSaveTarget(tr("Save writes to %1").arg(shown));
    m_saveAction->setToolTip(plainToolTip(tr("Writes %1").arg(shown)));
    if (auto *menu = findChild<QMenu *>(QStringLiteral("cmd_file")))
        menu->setToolTipsVisible(true);
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!OpenCommand::iniFileIn(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = OpenCommand::iniFileIn(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop has ended: a message box must not run inside it.
    QTimer::singleShot(0, m_openCommand, [this, path] { m_openCommand->open(path); });
}

bool MainWindow::isModelConfirmed() const
{
    return m_saveCommand->isModelConfirmed();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Ending the main window ends the program: nothing is saved or asked,
    // the side windows go with it and no save or title step is left to run.
    m_sideWindows.closeAll();
    if (m_phonePixels)
        m_phonePixels->close();
    m_fontList->close();
    m_saveCommand->stop();
    m_recovery->finish();
    event->accept();
}
