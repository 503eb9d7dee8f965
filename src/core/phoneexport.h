#pragma once

#include "core/fontmap.h"
#include "core/phonefamily.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

// Export for the phone: the font map and every file it needs, laid out
// under a target folder exactly as on the phone's C: drive, so that the
// folder can be copied onto the phone as it stands. Planning only looks;
// the writer (exportwriter.h) then writes what the plan lists.

// What the editor found in a slot's chosen file that the phone may not use.
struct FontUseNote {
    bool postScriptOutlines = false; // CFF outlines, whatever the file's name says
    QString missing;                 // characters of the slot's texts the face lacks
};

struct ExportRequest {
    FontMap map;
    // The file each slot's face came from; empty when the face was typed.
    std::array<QString, SlotCount> fontFiles;
    std::array<FontUseNote, SlotCount> fontNotes; // for the slots with a file
    PhoneFamily family = PhoneFamily::N70;
    QString engineFolder; // where glyphmux.dll (and freetype.dll) are; may be empty
    QString targetFolder;
};

// The words of the copy list, chosen by the caller (they are translated).
struct ExportIssue;
struct CopyListWords {
    QString heading;        // the first line
    QString notIncluded;    // before the phone paths the folder does not hold
    QString alreadyOnPhone; // before the faces that have no file
    QString mayNotUse;      // before the fonts the phone may not be able to use
    std::function<QString(const ExportIssue &)> describe; // one line for such a font
};

enum class ExportProblem {
    None,
    // Told before writing; none of these stop the export.
    FaceWithoutFile,   // slot, detail = face: it must already be on the phone
    SameFaceName,      // slot, detail = face, path = another slot's file that gives the same face
    EngineFileMissing, // detail = library; path = where it was looked for, empty without a folder
    TargetExists,      // path will be replaced (asked once)
    LeftoversFound,    // path: an interrupted export's files, cleaned up before writing
    PostScriptOutlines, // slot, path: CFF outlines the phone may not draw
    MissingCharacters,  // slot, path, detail = the characters of the slot's texts it lacks
    // These stop it before anything is written.
    NoTarget,         // no target folder was given
    SameFileName,     // path and detail: two different files, one name on the phone
    SourceMissing,    // path: a chosen file is gone
    SourceNotRegular, // path: not a regular file (a folder, a pipe, a device)
    SourceUnreadable, // path, systemError
    TargetBlocked,    // path: a file stands where a folder must be, or the reverse
    TargetNotPlain,   // path: a link, pipe or device where the export would write
    TargetCaseClash,  // path: differs from detail (what the export writes) only in case
    // Met while writing.
    CreateFolderFailed, // path, systemError
    WriteFailed,        // path (the file being written), systemError
    Cancelled,
};

struct ExportIssue {
    ExportProblem problem = ExportProblem::None;
    QString path;
    QString detail;
    int slot = -1;
    int systemError = 0; // errno, 0 when unknown

    ExportIssue() = default;
    ExportIssue(ExportProblem problem, const QString &path, const QString &detail = {}, int slot = -1,
                int systemError = 0)
        : problem(problem), path(path), detail(detail), slot(slot), systemError(systemError)
    {
    }
};

// True for the problems that keep an export from starting.
bool stopsExport(ExportProblem problem);

// Opens a file to copy, a regular file only, without ever blocking on a
// pipe or device. Returns the descriptor, or -1 with 'problem' set.
int openSourceFile(const QString &path, ExportIssue &problem);

struct ExportItem {
    QString relativePath; // under the target, '/'-separated: "data/fonts/x.ttf"
    QString sourcePath;   // the file copied; empty when 'bytes' is the content
    QByteArray bytes;
    qint64 size = 0;
    bool replaces = false; // a file of that name is in the target already
};

struct ExportPlan {
    QString targetFolder;
    std::vector<ExportItem> items; // in writing order: fonts, libraries, configuration, copy list
    std::vector<ExportIssue> findings;
    qint64 totalBytes = 0;

    bool blocked() const;
    bool replacesFiles() const;
};

// The name of the copy list written at the top of the target.
QString copyListFileName();

// Looks at the sources and the target and lists what to write and what to
// tell the user first. Writes nothing.
ExportPlan planExport(const ExportRequest &request, const CopyListWords &words);
