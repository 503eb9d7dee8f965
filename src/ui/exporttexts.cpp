#include "ui/exporttexts.h"

#include "ui/fileerrortext.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString reason(int systemError)
{
    return systemError ? systemErrorText(systemError) : ExportTexts::tr("unknown error");
}

QString spacedOut(const QString &characters)
{
    QStringList list;
    for (const char32_t c : characters.toUcs4())
        list << QString::fromUcs4(&c, 1);
    return list.join(QLatin1Char(' '));
}

QString listed(const QStringList &relativePaths)
{
    QStringList lines;
    for (const QString &path : relativePaths)
        lines << QStringLiteral("  ") + native(path);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

CopyListWords ExportTexts::copyListWords()
{
    return {tr("Copy these files to the phone:"), tr("Not in this folder, still to copy yourself:"),
            tr("Typed without a file, so these faces must already be on the phone:"),
            tr("The phone may not be able to use:"), &ExportTexts::describe};
}

QString ExportTexts::describe(const ExportIssue &issue)
{
    switch (issue.problem) {
    case ExportProblem::None:
        return {};
    case ExportProblem::FaceWithoutFile:
        return tr("%1: the face \"%2\" has no file here; this face must already be on the phone.")
            .arg(QLatin1String(slotTable()[std::size_t(issue.slot)].key), issue.detail);
    case ExportProblem::SameFaceName:
        //: %1 is a slot name, %2 a face name, %3 a file.
        return tr("%1: the face \"%2\" comes from another file in another slot too (%3); the phone finds a face by "
                  "its name alone and cannot tell the two apart.")
            .arg(QLatin1String(slotTable()[std::size_t(issue.slot)].key), issue.detail, native(issue.path));
    case ExportProblem::EngineFileMissing:
        if (issue.path.isEmpty())
            return tr("%1 is not included (choose \"Engine files…\" to include it); copy it to c:\\system\\fonts\\ yourself.")
                .arg(issue.detail);
        return tr("%1 is not in %2; copy it to c:\\system\\fonts\\ yourself.")
            .arg(issue.detail, native(QFileInfo(issue.path).path()));
    case ExportProblem::TargetExists:
        return tr("%1 is already there and would be replaced.").arg(native(issue.path));
    case ExportProblem::LeftoversFound:
        return tr("An earlier export to this folder was interrupted; its leftover files are put back or removed first.");
    case ExportProblem::PostScriptOutlines:
        return tr("%1: %2 has PostScript (CFF) outlines; the phone's font engine may not draw them.")
            .arg(QLatin1String(slotTable()[std::size_t(issue.slot)].key), QFileInfo(issue.path).fileName());
    case ExportProblem::MissingCharacters:
        //: %3 lists the characters, separated by spaces.
        return tr("%1: %2 lacks characters of the texts this font draws: %3")
            .arg(QLatin1String(slotTable()[std::size_t(issue.slot)].key), QFileInfo(issue.path).fileName(),
                 spacedOut(issue.detail));
    case ExportProblem::NoTarget:
        return tr("Choose the folder to export to.");
    case ExportProblem::SameFileName:
        return tr("%1 and %2 would have the same name on the phone; rename one of them.")
            .arg(native(issue.path), native(issue.detail));
    case ExportProblem::SourceMissing:
        return tr("%1 no longer exists.").arg(native(issue.path));
    case ExportProblem::SourceNotRegular:
        return tr("%1 is not a regular file.").arg(native(issue.path));
    case ExportProblem::SourceUnreadable:
        return tr("%1 cannot be read: %2.").arg(native(issue.path), reason(issue.systemError));
    case ExportProblem::TargetBlocked:
        return tr("%1 is in the way: the export needs a folder where a file is, or a file where a folder is.")
            .arg(native(issue.path));
    case ExportProblem::TargetNotPlain:
        //: %1 is a path in the export's target folder.
        return tr("%1 is in the way: it is a link, a pipe or a device, and the export never writes through or over one.")
            .arg(native(issue.path));
    case ExportProblem::TargetCaseClash:
        return tr("%1 is in the way: the phone ignores letter case, so it would clash with %2.")
            .arg(native(issue.path), native(issue.detail));
    case ExportProblem::CreateFolderFailed:
        return tr("The folder %1 cannot be made: %2.").arg(native(issue.path), reason(issue.systemError));
    case ExportProblem::WriteFailed:
        return tr("%1 cannot be written: %2.").arg(native(issue.path), reason(issue.systemError));
    case ExportProblem::Cancelled:
        return tr("The export was cancelled; what it had written was removed.");
    }
    return {};
}

QString ExportTexts::sizeText(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

QString ExportTexts::findingsText(const ExportPlan &plan)
{
    // What stops the export comes first.
    QStringList lines, notes;
    int replaced = 0;
    for (const ExportIssue &finding : plan.findings) {
        if (finding.problem == ExportProblem::TargetExists)
            ++replaced;
        else
            (stopsExport(finding.problem) ? lines : notes) << describe(finding);
    }
    lines << notes;
    if (replaced)
        lines << tr("%n file(s) already in the target folder would be replaced.", nullptr, replaced);
    lines << tr("%n file(s) to write, %1 in all.", nullptr, int(plan.items.size())).arg(sizeText(plan.totalBytes));
    return lines.join(QLatin1Char('\n'));
}

QString ExportTexts::replaceQuestion(const ExportPlan &plan)
{
    QStringList replaced;
    for (const ExportItem &item : plan.items)
        if (item.replaces)
            replaced << item.relativePath;
    return tr("These files are already in %1:\n%2\nReplace them?").arg(native(plan.targetFolder), listed(replaced));
}

QString ExportTexts::recoveryText(const ExportRecovery &recovery)
{
    QStringList parts;
    if (!recovery.restored.isEmpty())
        parts << tr("Put back after an interrupted export:\n%1").arg(listed(recovery.restored));
    if (recovery.removed)
        parts << tr("%n leftover file(s) of an interrupted export removed.", nullptr, recovery.removed);
    return parts.join(QStringLiteral("\n\n"));
}

QString ExportTexts::outcomeText(const ExportPlan &plan, const ExportOutcome &outcome)
{
    if (outcome.failure.problem == ExportProblem::Cancelled && outcome.notRestored.isEmpty())
        return describe(outcome.failure);
    QStringList parts;
    if (outcome.ok()) {
        parts << tr("Exported to %1. Copy its contents onto the phone's C: drive as they stand.")
                     .arg(native(plan.targetFolder));
        for (const ExportIssue &finding : plan.findings)
            if (finding.problem == ExportProblem::EngineFileMissing || finding.problem == ExportProblem::FaceWithoutFile
                || finding.problem == ExportProblem::SameFaceName
                || finding.problem == ExportProblem::PostScriptOutlines
                || finding.problem == ExportProblem::MissingCharacters)
                parts << describe(finding);
        return parts.join(QStringLiteral("\n\n"));
    }
    parts << tr("The export stopped. %1").arg(describe(outcome.failure));
    if (outcome.notRestored.isEmpty())
        parts << tr("Nothing was changed: the files it had replaced were put back, and those it had written were removed.");
    else
        parts << tr("These files it had replaced could not be put back; the next export to this folder puts them back:\n%1")
                     .arg(listed(outcome.notRestored));
    return parts.join(QStringLiteral("\n\n"));
}
