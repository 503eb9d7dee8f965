#pragma once

#include "core/recoveryrecord.h"

#include <QString>

#include <optional>

// Where runs keep their unsaved maps: one file per run in the state folder,
// "<id>.recovery" beside "<id>.lock". A run holds its lock file locked while
// it lives (the system lets go when it ends, even when killed), so two runs
// never write the same file, and a recovery whose lock nobody holds was left
// by a run that ended. A later run claims such a file by taking its lock;
// no other run offers it meanwhile.
class RecoveryStore
{
public:
    // The state folder's "Glyphmux/recovery": $XDG_STATE_HOME when that is an
    // absolute path, otherwise ~/.local/state.
    static QString defaultFolder();

    explicit RecoveryStore(const QString &folder = defaultFolder());
    // Lets go of the locks; the files stay for a later run.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    // Replaces this run's recovery atomically (made, with its lock, on first use).
    bool write(const QByteArray &bytes);
    // This run has nothing unsaved: its recovery goes. 'ending' lets the lock go too.
    void remove(bool ending = false);
    QString ownFile() const;

    // The newest recovery of a run that has ended and that no other run has
    // claimed; it stays claimed until dropped or until this store ends.
    // Damaged, huge or odd files (links, pipes) are passed over.
    std::optional<RecoveryRecord> claimLeftover();
    // Removes the claimed recovery (restored or discarded).
    void dropClaimed();

private:
    struct Held {
        QString id;
        int lockFd = -1;
    };
    QString pathOf(const QString &id, const char *suffix) const;
    bool makeOwnLock();
    static void release(Held &held);

    QString m_folder;
    Held m_own;
    Held m_claimed;
};
