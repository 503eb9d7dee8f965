#pragma once

#include <QString>

#include <cstddef>

// What the font list asks of the document while the user tries faces. A
// session starts with the first audition of a slot and ends with keep() or
// cancel(); every call in between is relative to what the slot had at its
// start. Auditions are trials: neither undo steps nor recovered.
class FontAudition
{
public:
    virtual ~FontAudition() = default;
    // Puts the face of the file at 'path' into 'slot' at once; the first
    // call of a session remembers what the slot had.
    virtual void audition(std::size_t slot, const QString &path) = 0;
    // Shows what the slot had before the session, which stays open (the
    // "B" of an A/B compare; audition() again shows "A").
    virtual void showOriginal() = 0;
    // Keeps the face auditioned last: one document change. Ends the session.
    virtual void keep() = 0;
    // Puts back the exact face and file the slot had. Ends the session.
    virtual void cancel() = 0;
};
