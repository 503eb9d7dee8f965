#pragma once

#include "core/slottable.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// Finds, for the faces of an opened Glyphmux.ini, the font files they came
// from. A face names a family more often than a file (every DejaVu Serif
// file has name ID 1 "DejaVu Serif"), so what was remembered at the last
// save or export comes first, then the places below in order; within one
// place the Regular style wins, then the file name.
namespace FontFinder {

enum class Place {
    None,       // not found: drawn by a substitute
    Remembered, // the file this slot's face came from when the ini was saved or exported
    IniFolder,  // the opened file's own folder
    DataFonts,  // data/fonts/ under it
    FontFolder, // a folder fonts were last taken from
    Installed,  // the fonts installed on this computer
};

struct Found {
    QString file;           // absolute; empty when not found
    Place place = Place::None;
    int candidates = 0;     // files in that place giving the face: more than one is a guess
};

// One font file and the names it answers to.
struct Candidate {
    QString file;
    QStringList names;
    bool regular = false; // upright, normal weight and width
};

struct Search {
    QString iniPath;
    std::array<QString, SlotCount> faces;
    std::array<QString, SlotCount> remembered; // empty: nothing remembered for the slot
    QStringList fontFolders;                    // newest first
};

// The fonts installed on this computer, from fontconfig's cache (no file is
// read). Collections and formats the phone cannot load are left out.
std::vector<Candidate> installedFonts();

// The font files in 'folder' (not its subfolders), read with the bounded
// reader; files that are not plain, sound, single TrueType fonts are skipped.
std::vector<Candidate> folderFonts(const QString &folder);

// The names a font file answers to: name IDs 1 and 4, and 1 with 2. Empty
// when the file is not a sound single font.
std::optional<Candidate> readCandidate(const QString &path);

// True when 'face' is one of 'names', compared as fontconfig does.
bool answersTo(const Candidate &font, const QString &face);

// The file for each face. 'installed' replaces installedFonts() (listed
// only when a face gets that far).
std::array<Found, SlotCount> find(const Search &search, const std::vector<Candidate> *installed = nullptr);

} // namespace FontFinder
