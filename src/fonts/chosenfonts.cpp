#include "fonts/chosenfonts.h"

#include "core/fontmapdocument.h"
#include "fonts/fileface.h"
#include "fonts/fontfilereader.h"

#include <QDir>
#include <QFileInfo>

struct ChosenFonts::Entry {
    QString path;
    FontFileReader reader;
    std::optional<FontFace> face;
    std::optional<FontDetails> details; // when the file gave a face
};

ChosenFonts::ChosenFonts(FontMapDocument &document, QObject *parent)
    : QObject(parent)
    , m_document(document)
{
    setObjectName(QStringLiteral("chosenFonts"));
    connect(&document, &FontMapDocument::changed, this, [this](FontMapDocument::Field field, int slot) {
        if (field == FontMapDocument::Field::Face)
            follow(std::size_t(slot));
    });
    for (std::size_t i = 0; i < SlotCount; ++i)
        follow(i);
}

ChosenFonts::~ChosenFonts() = default;

QString ChosenFonts::normalPath(const QString &path)
{
    return path.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

std::shared_ptr<ChosenFonts::Entry> ChosenFonts::entryFor(const QString &path)
{
    if (std::shared_ptr<Entry> shared = m_byPath.value(path).lock())
        return shared;
    auto entry = std::make_shared<Entry>();
    entry->path = path;
    entry->reader.setFontFile(path);
    if (!entry->reader.faceName().isEmpty()) {
        entry->face = FileFace::find(path);
        entry->details = fontDetails(entry->reader);
    }
    m_byPath.insert(path, entry);
    // Forget paths nobody holds any more, so the table stays as small as the map.
    for (auto it = m_byPath.begin(); it != m_byPath.end();)
        it = it->expired() ? m_byPath.erase(it) : std::next(it);
    return entry;
}

void ChosenFonts::follow(std::size_t slot)
{
    const QString &file = m_document.slotValue(slot).file;
    if (m_slots[slot] && m_slots[slot]->path == file)
        return;
    m_slots[slot] = file.isEmpty() ? nullptr : entryFor(file);
}

FontDetails ChosenFonts::choose(std::size_t slot, const QString &path)
{
    const QString file = normalPath(path);
    // The slot lets go of its file first: a face that only it kept
    // registered is looked up afresh, and the same file is read again.
    m_slots[slot].reset();
    const std::shared_ptr<Entry> entry = entryFor(file);
    const QString face = entry->reader.faceName();
    FontDetails details = fontDetails(entry->reader);
    details.path = path; // as the user chose it
    m_document.chooseFont(slot, face, face.isEmpty() ? QString() : file);
    follow(slot); // also when the document already held this choice
    return details;
}

const FontFileReader *ChosenFonts::reader(std::size_t slot) const
{
    return m_slots[slot] ? &m_slots[slot]->reader : nullptr;
}

std::optional<FontDetails> ChosenFonts::details(std::size_t slot) const
{
    return m_slots[slot] ? m_slots[slot]->details : std::nullopt;
}

std::optional<FontFace> ChosenFonts::drawnFace(std::size_t slot) const
{
    return m_slots[slot] ? m_slots[slot]->face : std::nullopt;
}

std::array<std::optional<FontFace>, SlotCount> ChosenFonts::drawnFaces() const
{
    std::array<std::optional<FontFace>, SlotCount> faces;
    for (std::size_t i = 0; i < SlotCount; ++i)
        faces[i] = drawnFace(i);
    return faces;
}
