#pragma once

#include "core/exportwriter.h"

#include <QCoreApplication>
#include <QString>

// The sentences of the export for the phone, built from its error kinds.
class ExportTexts
{
    Q_DECLARE_TR_FUNCTIONS(ExportTexts)
public:
    // The words of COPY-TO-PHONE.txt, in the language of the rest of it.
    static CopyListWords copyListWords();
    // One finding or failure, naming the file and the reason.
    static QString describe(const ExportIssue &issue);
    // "1.2 MB"-style size for the user.
    static QString sizeText(qint64 bytes);
    // What the export dialog shows before writing: one line per finding, then
    // the total size (the files to replace are counted, not listed).
    static QString findingsText(const ExportPlan &plan);
    // The question asked once before files in the target are replaced.
    static QString replaceQuestion(const ExportPlan &plan);
    // What the cleanup after an interrupted export did; empty when nothing.
    static QString recoveryText(const ExportRecovery &recovery);
    // The report after writing: what was written, or that a failure
    // changed nothing.
    static QString outcomeText(const ExportPlan &plan, const ExportOutcome &outcome);
};
