#pragma once

#include <cstdint>

// Why a chosen font file gave no face to draw with. The reader finds out;
// the window says it in the user's language.
enum class FontRefusal {
    None,            // a face was found
    NotFound,        // no file at that path
    NotRegularFile,  // a folder, pipe, socket or device
    Collection,      // a TrueType collection (.ttc): several faces in one file
    NotTrueType,     // no sfnt header or no "head" table with the TrueType magic
    DamagedTable,    // a table lies outside the file or contradicts itself
    NoUsableName,    // read fine, but none of its names gives a drawable face
};

// What the reader learnt about a file, as far as the refusal depends on it.
struct FontFileFacts {
    enum class Kind { Missing, NotRegular, Regular };
    Kind kind = Kind::Missing;
    std::uint32_t sfntVersion = 0; // the file's first four bytes, big-endian
    bool validTrueType = false;    // "head" carries the TrueType magic
    bool complete = false;         // every table read was sound
    bool hasFace = false;          // a drawable face name was found
};

// The reason for the first thing that went wrong, or None when a face was found.
FontRefusal refusalOf(const FontFileFacts &facts);

// The sfnt version of a TrueType collection's header ("ttcf").
inline constexpr std::uint32_t collectionTag = 0x74746366;
