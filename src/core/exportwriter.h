#pragma once

#include "core/phoneexport.h"

#include <functional>

// Bytes done so far and in all; returning false asks to cancel.
using ExportProgress = std::function<bool(qint64 done, qint64 total)>;

struct ExportOutcome {
    ExportIssue failure;    // problem None when every file was written
    QStringList written;    // relative paths now in the target, complete
    QStringList notWritten; // relative paths the export did not write
    // After a failure: relative paths of replaced files that could not be
    // put back (the next export to the folder tries again).
    QStringList notRestored;

    bool ok() const { return failure.problem == ExportProblem::None; }
};

// Writes the plan's files in its order, inside the target folder only: its
// folders are opened one from the other without following links, each file
// is written under a short part name created exclusively (never through a
// link, never blocking on a pipe), synced, and renamed into place; a
// replaced file is first set aside under a name recorded in a synced
// journal in the target. A link, pipe or device where a file or folder goes
// stops the export. Any failure, a cancel included, removes what this
// export wrote and puts back the files it had replaced. A blocked plan, or
// one that replaces files without 'replaceExisting', writes nothing.
ExportOutcome writeExport(const ExportPlan &plan, bool replaceExisting, const ExportProgress &progress = {});

// What an interrupted (killed) export had left in a target folder.
struct ExportRecovery {
    QStringList restored; // relative paths of set-aside originals moved back
    int removed = 0;      // part files and superseded originals deleted

    bool isEmpty() const { return restored.isEmpty() && removed == 0; }
};

// Cleans up after an interrupted export to 'targetFolder': a set-aside
// original whose file is missing is moved back, one whose file is present
// is deleted, and part files are removed. Only regular files of ours are
// touched. Run before planning the next export to the folder.
ExportRecovery recoverInterruptedExport(const QString &targetFolder);
// True when recoverInterruptedExport would find something to do.
bool hasExportLeftovers(const QString &targetFolder);
