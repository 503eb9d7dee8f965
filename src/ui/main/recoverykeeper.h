#pragma once

#include "core/recoverystore.h"
#include "ui/main/documenthistory.h"

#include <QObject>

#include <optional>

class QTimer;
class StatusLine;

// Nothing unsaved is lost on exit or crash, and nothing is asked: the map,
// while it differs from the one last saved or opened, is kept in the state
// folder (written within two seconds of a change, and at once on exit). At
// the next start, the status bar offers a recovery left by a run that ended:
// Restore makes it one step of the history, Discard removes it.
class RecoveryKeeper final : public QObject
{
    Q_OBJECT
public:
    // All must outlive this.
    RecoveryKeeper(DocumentHistory &history, const FontMapDocument &document, StatusLine &status, QObject *parent);

    // The map now is the one on disk (saved or opened).
    void markSaved();
    // At start: offers the newest recovery of a run that ended, if any.
    void offerLeftover();
    // The program ends: the unsaved map is written now, or its file removed.
    void finish();
    void retranslate();
    // This run's recovery file (empty before the first write).
    QString ownFile() const { return m_store.ownFile(); }

private:
    void schedule();
    void writeNow();
    void showOffer();
    void restore();
    void discard();

    DocumentHistory &m_history;
    StatusLine &m_status;
    RecoveryStore m_store;
    QTimer *m_timer = nullptr;
    DocumentHistory::State m_saved; // as on disk: no recovery needed
    std::optional<RecoveryRecord> m_offered;
};
