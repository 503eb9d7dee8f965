#include "ui/main/exportcommand.h"

#include "core/exportwriter.h"
#include "ui/dialogs/exportdialog.h"
#include "ui/exporttexts.h"
#include "ui/services/filechooser.h"
#include "ui/services/messageboxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QSettings>

namespace {

const QString targetKey = QStringLiteral("export/targetFolder");
const QString engineKey = QStringLiteral("export/engineFolder");
const QString familyKey = QStringLiteral("export/family");

// Progress in steps of a thousandth: byte counts do not fit an int.
constexpr int progressSteps = 1000;

} // namespace

ExportCommand::ExportCommand(QWidget &window, FileChooser &files, MessageBoxes &messages, QSettings &settings,
                             std::function<ExportSources()> sources)
    : QObject(&window), m_window(window), m_files(files), m_messages(messages), m_settings(settings), m_sources(std::move(sources))
{
    setObjectName(QStringLiteral("exportCommand"));
}

ExportCommand::~ExportCommand() = default;

ExportDialog *ExportCommand::dialog() const
{
    return m_dialog;
}

void ExportCommand::start(std::optional<PhoneFamily> family)
{
    if (m_writing)
        return;
    if (!m_dialog) {
        m_dialog = new ExportDialog(&m_window);
        connect(m_dialog, &ExportDialog::chooseTargetClicked, this, &ExportCommand::chooseTarget);
        connect(m_dialog, &ExportDialog::chooseEngineClicked, this, &ExportCommand::chooseEngine);
        connect(m_dialog, &ExportDialog::choiceChanged, this, &ExportCommand::refresh);
        connect(m_dialog, &ExportDialog::exportClicked, this, &ExportCommand::run);
    }
    const QSettings &settings = m_settings;
    if (!family)
        family = m_confirmed;
    if (!family)
        family = settings.value(familyKey).toInt() == 1 ? PhoneFamily::Model6630 : PhoneFamily::N70;
    m_dialog->setFamily(*family);
    m_dialog->setTargetFolder(settings.value(targetKey).toString());
    m_dialog->setEngineFolder(settings.value(engineKey).toString());
    refresh();
    m_dialog->open();
    m_dialog->raise();
    m_dialog->activateWindow();
}

ExportRequest ExportCommand::request() const
{
    const ExportSources sources = m_sources();
    ExportRequest request;
    request.map = sources.map;
    request.fontFiles = sources.fontFiles;
    request.fontNotes = sources.fontNotes;
    request.family = m_dialog->family();
    request.engineFolder = m_dialog->engineFolder();
    const QString target = m_dialog->targetFolder();
    request.targetFolder = target.isEmpty() ? QString() : QDir::cleanPath(QDir::current().absoluteFilePath(target));
    return request;
}

void ExportCommand::refresh()
{
    const ExportPlan plan = planExport(request(), ExportTexts::copyListWords());
    m_dialog->showFindings(ExportTexts::findingsText(plan), !plan.blocked());
}

void ExportCommand::chooseTarget()
{
    FileDialogState state;
    state.title = ExportTexts::tr("Folder to export to");
    state.fileName = m_dialog->targetFolder();
    if (m_files.chooseFolder(m_dialog, state))
        m_dialog->setTargetFolder(QDir::fromNativeSeparators(state.fileName));
}

void ExportCommand::chooseEngine()
{
    FileDialogState state;
    state.title = ExportTexts::tr("Folder with glyphmux.dll and freetype.dll");
    state.fileName = m_dialog->engineFolder();
    if (!m_files.chooseFolder(m_dialog, state))
        return;
    m_dialog->setEngineFolder(QDir::fromNativeSeparators(state.fileName));
    m_settings.setValue(engineKey, m_dialog->engineFolder());
}

void ExportCommand::remember() const
{
    QSettings &settings = m_settings;
    settings.setValue(targetKey, m_dialog->targetFolder());
    settings.setValue(engineKey, m_dialog->engineFolder());
    settings.setValue(familyKey, m_dialog->family() == PhoneFamily::Model6630 ? 1 : 0);
}

void ExportCommand::run()
{
    // What a killed export left is undone first, so that the plan sees the
    // folder as the user last had it.
    const ExportRequest wanted = request();
    const ExportRecovery recovered = recoverInterruptedExport(wanted.targetFolder);
    // Looked at afresh: files may have gone or come since the dialog showed.
    const ExportPlan plan = planExport(wanted, ExportTexts::copyListWords());
    if (plan.blocked()) {
        m_dialog->showFindings(ExportTexts::findingsText(plan), false);
        QStringList problems;
        if (!recovered.isEmpty())
            problems << ExportTexts::recoveryText(recovered);
        for (const ExportIssue &finding : plan.findings)
            if (stopsExport(finding.problem))
                problems << ExportTexts::describe(finding);
        m_messages.warn(m_dialog, problems.join(QLatin1Char('\n')));
        return;
    }
    if (plan.replacesFiles() && !m_messages.ask(m_dialog, ExportTexts::replaceQuestion(plan), ExportTexts::tr("Replace"))) {
        if (!recovered.isEmpty())
            m_messages.inform(m_dialog, ExportTexts::recoveryText(recovered));
        return;
    }
    remember();

    m_writing = true;
    QProgressDialog progress(ExportTexts::tr("Copying the files for the phone…"), ExportTexts::tr("Cancel"), 0,
                             progressSteps, m_dialog);
    progress.setObjectName(QStringLiteral("exportProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);
    const ExportOutcome outcome = writeExport(plan, plan.replacesFiles(), [&progress](qint64 done, qint64 total) {
        progress.setValue(total > 0 ? int(done * progressSteps / total) : progressSteps);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
    progress.close();
    m_writing = false;

    QString report = ExportTexts::outcomeText(plan, outcome);
    if (!recovered.isEmpty())
        report = ExportTexts::recoveryText(recovered) + QStringLiteral("\n\n") + report;
    if (outcome.ok()) {
        const QDir target(plan.targetFolder);
        const ExportSources sources = m_sources();
        std::array<QString, SlotCount> copies;
        for (std::size_t i = 0; i < SlotCount; ++i) {
            if (!sources.fontFiles[i].isEmpty())
                copies[i] = target.filePath(PhoneFolders::fonts() + QLatin1Char('/') + QFileInfo(sources.fontFiles[i]).fileName());
        }
        emit exported(target.filePath(PhoneFolders::configuration()), copies);
        m_dialog->accept();
        m_messages.inform(&m_window, report);
    } else {
        refresh();
        if (outcome.failure.problem == ExportProblem::Cancelled)
            m_messages.inform(m_dialog, report);
        else
            m_messages.warn(m_dialog, report);
    }
}
