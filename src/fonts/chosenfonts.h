#pragma once

#include "core/slottable.h"
#include "fonts/fontdetails.h"
#include "fonts/fontfaces.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <optional>

class FontFileReader;
class FontMapDocument;

// The one keeper of the font files the document's slots name: one reader
// (and so one registration) per file, shared by every slot that names it and
// let go when none does. It follows the document, whoever changed it (a
// choice, an opened file, an undo), so a map applied with files draws them.
class ChosenFonts final : public QObject
{
    Q_OBJECT
public:
    // Connect it before anything that draws from the document.
    explicit ChosenFonts(FontMapDocument &document, QObject *parent = nullptr);
    ~ChosenFonts() override;

    // Reads 'path' as a slot's open button does and stores the outcome in
    // the document in one call: the face the file gives with the file, or an
    // empty face for a refused file. Returns what was read.
    FontDetails choose(std::size_t slot, const QString &path);

    // The reader of the slot's file; null when the slot names none.
    const FontFileReader *reader(std::size_t slot) const;
    // What the slot's file is, when it gave a face.
    std::optional<FontDetails> details(std::size_t slot) const;
    // The font Qt draws the slot's file with; empty without one.
    std::optional<FontFace> drawnFace(std::size_t slot) const;
    std::array<std::optional<FontFace>, SlotCount> drawnFaces() const;

    // The form in which a path is stored in the document.
    static QString normalPath(const QString &path);

private:
    struct Entry;
    std::shared_ptr<Entry> entryFor(const QString &path);
    void follow(std::size_t slot);

    FontMapDocument &m_document;
    std::array<std::shared_ptr<Entry>, SlotCount> m_slots;
    QHash<QString, std::weak_ptr<Entry>> m_byPath;
};
