#pragma once

#include "core/phoneexport.h"

#include <functional>

// Bytes done so far and in all; returning false asks to cancel.
using ExportProgress = std::function<bool(qint64 done, qint64 total)>;

struct ExportOutcome {
    ExportIssue failure;    // problem None when every file was written
    QStringList written;    // relative paths now in the target, complete
    QStringList notWritten; // relative paths the export did not write

    bool ok() const { return failure.problem == ExportProblem::None; }
};

// Writes the plan's files in its order. Each file is written under a
// temporary name of ours in its own folder and renamed into place only when
// complete, so no half file is ever left. The first failure stops the
// export; the files written before it stay. A cancel removes what this
// export wrote and puts back the files it had replaced. A blocked plan, or
// one that replaces files without 'replaceExisting', writes nothing.
ExportOutcome writeExport(const ExportPlan &plan, bool replaceExisting, const ExportProgress &progress = {});
