#include "ui/main/savecommand.h"

#include "core/fontmapdocument.h"
#include "core/glyphmuxini.h"
#include "core/glyphmuxinireader.h"
#include "core/localpath.h"
#include "core/safesave.h"
#include "ui/apptexts.h"
#include "ui/dialogs/phonemodeldialog.h"
#include "ui/dialogs/copylistdialog.h"
#include "ui/dialogs/sidewindows.h"
#include "ui/fileerrortext.h"
#include "ui/glyphmuxinitexts.h"
#include "ui/services/messageboxes.h"

#include <QAction>
#include <QTimer>
#include <QWidget>

namespace {
// How long each progress text stays in the title.
constexpr int titleStepMs = 150;
const QString iniFileName = QStringLiteral("Glyphmux.ini");

QString shownPath(const QString &path)
{
    return readablePath(absoluteNativePath(path));
}

QString tooLargeText(qsizetype bytes)
{
    //: %1 and %2 are sizes in bytes
    return SaveCommand::tr("%1 bytes, more than the %2 a Glyphmux.ini may hold to be opened again")
        .arg(bytes)
        .arg(maxGlyphmuxIniBytes);
}
} // namespace

SaveCommand::SaveCommand(const FontMapDocument &document, SideWindows &sideWindows, MessageBoxes &messages,
                         QWidget &window, QAction *popup)
    : QObject(&window)
    , m_document(document)
    , m_sideWindows(sideWindows)
    , m_messages(messages)
    , m_window(window)
    , m_popup(popup)
{
    setObjectName(QStringLiteral("saveCommand"));
    // Started by each good save; its one tick starts the progress title.
    m_progressTimer = new QTimer(this);
    m_progressTimer->setObjectName(QStringLiteral("Timer1"));
    m_progressTimer->setInterval(500);
    m_progressTimer->setSingleShot(true);
    connect(m_progressTimer, &QTimer::timeout, this, &SaveCommand::startProgressTitle);

    // Repeating one caption many times shows nothing here, so each text
    // gets a moment of its own. Restarted per text, so a late tick never
    // shortens the next text's moment.
    m_titleStep = new QTimer(this);
    m_titleStep->setObjectName(QStringLiteral("titleStep"));
    m_titleStep->setInterval(titleStepMs);
    m_titleStep->setSingleShot(true);
    m_titleStep->setTimerType(Qt::PreciseTimer);
    connect(m_titleStep, &QTimer::timeout, this, &SaveCommand::nextProgressTitle);
}

QStringList SaveCommand::progressTitles()
{
    const QString base = AppTexts::nameAndVersion();
    //: saving in progress (runs through the title bar)
    const QString saving = base + QLatin1Char(' ') + tr("salvataggio in corso");
    return {saving + QStringLiteral("."), saving + QStringLiteral(".."), saving + QStringLiteral("...")};
}

void SaveCommand::run()
{
    // The model window is already open for the save that waits: one save
    // at a time, so bring it forward instead of queueing another.
    if (m_pending) {
        PhoneModelDialog &modelWindow = m_sideWindows.phoneModel();
        if (modelWindow.isVisible())
            modelWindow.showOver(&m_window);
        return;
    }
    if (m_popup->isChecked()) {
        // Only this command shows the window, so its answers are followed
        // from the first time it does.
        PhoneModelDialog &modelWindow = m_sideWindows.phoneModel();
        connect(&modelWindow, &PhoneModelDialog::modelConfirmed, this, &SaveCommand::modelConfirmed, Qt::UniqueConnection);
        connect(&modelWindow, &PhoneModelDialog::dismissed, this, &SaveCommand::cancelPending, Qt::UniqueConnection);
        m_pending = true;
        modelWindow.showOver(&m_window);
        return;
    }
    writeNow();
}

void SaveCommand::modelConfirmed(PhoneFamily family)
{
    // The instructions are in place before the save that shows them runs.
    m_sideWindows.copyList().setInstructions(PhoneModelDialog::copyInstructions(family));
    m_modelConfirmed = true;
    if (m_pending) {
        // Write once the model window has hidden and its click has ended.
        QTimer::singleShot(0, this, [this] {
            if (m_pending)
                writeNow();
        });
    }
}

void SaveCommand::cancelPending()
{
    m_pending = false;
    m_modelConfirmed = false;
}

void SaveCommand::writeNow()
{
    m_pending = false;
    writeIni();
    m_modelConfirmed = false;
}

void SaveCommand::setTarget(const QString &path)
{
    m_target = path;
}

QString SaveCommand::target() const
{
    return m_target.isEmpty() ? iniFileName : m_target;
}

bool SaveCommand::writeIni()
{
    const QString path = target();
    const QByteArray bytes = glyphmuxIniBytes(m_document.map());
    // What cannot be opened again is not written.
    if (bytes.size() > maxGlyphmuxIniBytes) {
        m_messages.warn(&m_window, tr("Cannot save %1:\n%2").arg(shownPath(path), tooLargeText(bytes.size())));
        return false;
    }
    // Links stay links: their file gets the bytes, and its backup beside it.
    const SaveTarget real = followLinks(path);
    if (real.error.isError()) {
        m_messages.warn(&m_window, tr("Cannot save %1:\n%2").arg(shownPath(path), fileErrorText(real.error)));
        return false;
    }
    // Unchanged bytes leave the file and its backup alone.
    if (!fileHolds(real.path, bytes)) {
        // The backup keeps the file as it was before this session first
        // replaced it; without that backup, nothing is written.
        const QString realFile = absoluteNativePath(real.path); // one file, however it was named
        if (!m_backedUp.contains(realFile)) {
            const BackupOutcome backup = keepPreviousVersion(real.path);
            if (!backup.ok()) {
                m_messages.warn(&m_window, GlyphmuxIniTexts::backupFailure(backup));
                return false;
            }
        }
        const SaveOutcome outcome = saveFileAtomically(real.path, bytes);
        if (!outcome.ok) {
            m_messages.warn(&m_window,
                            tr("Cannot save %1:\n%2").arg(shownPath(path), fileErrorText(outcome.error)));
            return false;
        }
        m_backedUp.insert(realFile);
    }
    emit written(absoluteNativePath(path));
    saved();
    return true;
}

void SaveCommand::saved()
{
    if (!m_progressTimer->isActive())
        m_progressTimer->start();
    if (m_popup->isChecked())
        m_sideWindows.copyList().showOver(&m_window);
}

void SaveCommand::startProgressTitle()
{
    m_titleIndex = 0;
    m_window.setWindowTitle(progressTitles().at(0));
    m_titleStep->start();
}

void SaveCommand::nextProgressTitle()
{
    const QStringList titles = progressTitles();
    if (++m_titleIndex < titles.size()) {
        m_window.setWindowTitle(titles.at(m_titleIndex));
        m_titleStep->start();
        return;
    }
    m_titleIndex = -1;
    m_window.setWindowTitle(AppTexts::mainWindowCaption());
}

void SaveCommand::retranslate()
{
    // A running progress text takes the new language at its next step.
    if (m_titleIndex < 0)
        m_window.setWindowTitle(AppTexts::mainWindowCaption());
}

void SaveCommand::stop()
{
    cancelPending();
    m_progressTimer->stop();
    m_titleStep->stop();
    if (m_titleIndex >= 0) {
        m_titleIndex = -1;
        m_window.setWindowTitle(AppTexts::mainWindowCaption());
    }
}
