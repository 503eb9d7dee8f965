#include "ui/main/recoverykeeper.h"

#include "core/localpath.h"
#include "ui/main/statusline.h"

#include <QLocale>
#include <QTimer>

namespace {
// Not restarted by later changes, so steady typing is written too.
constexpr int writeDelayMs = 1000;
const QString defaultTarget = QStringLiteral("Glyphmux.ini");
} // namespace

RecoveryKeeper::RecoveryKeeper(DocumentHistory &history, const FontMapDocument &document, StatusLine &status,
                               QObject *parent)
    : QObject(parent)
    , m_history(history)
    , m_status(status)
    , m_saved(history.current())
{
    setObjectName(QStringLiteral("recoveryKeeper"));
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setInterval(writeDelayMs);
    connect(m_timer, &QTimer::timeout, this, &RecoveryKeeper::writeNow);
    // The map changes through the document; the save target only through steps.
    connect(&document, &FontMapDocument::changed, this, &RecoveryKeeper::schedule);
    connect(&history, &DocumentHistory::changed, this, &RecoveryKeeper::schedule);
}

void RecoveryKeeper::schedule()
{
    if (!m_timer->isActive())
        m_timer->start();
}

void RecoveryKeeper::markSaved()
{
    // Typing on after a save is a step of its own: undo comes back to the file.
    m_history.endMerging();
    m_saved = m_history.current();
    writeNow();
}

void RecoveryKeeper::writeNow()
{
    m_timer->stop();
    // A face on trial from the font list is not the user's yet.
    const DocumentHistory::State now = m_history.auditioning() ? m_history.recorded() : m_history.current();
    if (now == m_saved)
        return m_store.remove();
    m_store.write(formatRecovery({now.map, absoluteNativePath(now.saveTarget),
                                  QDateTime::currentDateTimeUtc()}));
}

void RecoveryKeeper::finish()
{
    writeNow();
    if (m_history.current() == m_saved)
        m_store.remove(true);
}

void RecoveryKeeper::offerLeftover()
{
    m_offered = m_store.claimLeftover();
    if (m_offered)
        showOffer();
}

void RecoveryKeeper::showOffer()
{
    const QString when = QLocale().toString(m_offered->written.toLocalTime(), QLocale::ShortFormat);
    //: Followed by the buttons Restore and Discard; %1 is a date and time.
    m_status.offer(tr("Unsaved changes from %1:").arg(when),
                   {{QStringLiteral("restoreRecovery"), tr("Restore"), [this] { restore(); }},
                    {QStringLiteral("discardRecovery"), tr("Discard"), [this] { discard(); }}});
}

void RecoveryKeeper::retranslate()
{
    if (m_offered && m_status.offering())
        showOffer();
}

void RecoveryKeeper::restore()
{
    if (!m_offered)
        return;
    // The file of the current folder is named as a plain save would name it.
    const QString ini = m_offered->iniPath;
    const bool plain = ini.isEmpty() || ini == absoluteNativePath(defaultTarget);
    m_history.replaceWith(DocumentHistory::StepKind::Restore, {m_offered->map, plain ? defaultTarget : ini});
    m_offered.reset();
    // Kept as this run's own before the old file goes.
    writeNow();
    m_store.dropClaimed();
}

void RecoveryKeeper::discard()
{
    m_offered.reset();
    m_store.dropClaimed();
    // An older one, left by another run, comes next.
    offerLeftover();
}
