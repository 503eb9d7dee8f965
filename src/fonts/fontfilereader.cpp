#include "fonts/fontfilereader.h"

#include "core/linesafe.h"
#include "fonts/bytereader.h"
#include "fonts/fontregistry.h"
#include "fonts/windowslocale.h"

#include <QFileInfo>
#include <QLocale>

FontFileReader::FontFileReader()
    : m_systemLocaleId(windowsLocaleId(QLocale::system()))
{
}

FontFileReader::~FontFileReader()
{
    releaseRegistration();
}

void FontFileReader::setFontFile(const QString &path)
{
    releaseRegistration();
    m_facts = FontFileFacts{};
    if (path.isEmpty())
        return;
    // One open tells what the path is and reads it; only a failed open needs
    // the file system asked again.
    const FileSource source(path);
    bool folder = source.isDirectory();
    if (source.isOpen()) {
        m_facts.kind = FontFileFacts::Kind::Regular;
    } else if (source.failure() == RegularFile::Failure::NotRegular) {
        m_facts.kind = FontFileFacts::Kind::NotRegular;
    } else {
        const QFileInfo info(path);
        if (!info.exists())
            return;
        m_facts.kind = info.isFile() ? FontFileFacts::Kind::Regular : FontFileFacts::Kind::NotRegular;
        folder = info.isDir();
    }
    if (folder)
        return;
    m_fontFile = path;
    const bool whole = readTables(source); // a damaged file still gets its face looked up
    m_installed = findFaceName(FaceTest::SystemOnly);
    if (!m_installed) {
        if (whole) // Qt would take a damaged file or every font of a collection: faces nobody can choose
            registerFile(m_fontFile);
        if (!findFaceName(FaceTest::Drawable))
            releaseRegistration(); // nothing is drawn from a file that gave no face
    }
}

bool FontFileReader::readTables(const FileSource &source)
{
    if (!source.isOpen())
        return false;
    TrueType::FontTables tables = TrueType::readFontTables(source, m_validTrueTypeFile);
    if (tables.validTrueType)
        m_validTrueTypeFile = *tables.validTrueType;
    if (tables.names)
        m_names = std::move(*tables.names);
    if (tables.fsSelection)
        m_fsSelection = *tables.fsSelection;
    m_facts.sfntVersion = tables.sfntVersion;
    m_facts.complete = tables.complete;
    m_glyphCount = tables.glyphCount;
    m_outlines = tables.outlines;
    return tables.complete;
}

FontRefusal FontFileReader::refusal() const
{
    FontFileFacts facts = m_facts;
    facts.validTrueType = m_validTrueTypeFile;
    facts.hasFace = !m_faceName.isEmpty();
    return refusalOf(facts);
}

QString FontFileReader::nameText(std::uint16_t nameId) const
{
    return TrueType::nameString(m_names, nameId, m_systemLocaleId);
}

bool FontFileReader::findFaceName(FaceTest test)
{
    const FontRegistry &registry = FontRegistry::instance();
    const QString family = nameText(TrueType::FamilyId);
    const QString candidates[] = {
        family,
        family + QLatin1Char(' ') + nameText(TrueType::SubfamilyId),
        nameText(TrueType::FullNameId),
    };
    // A file registered here is drawn by its own families only, so that an
    // unrelated font cannot stand in; fontconfig may list them in another
    // spelling than the file's name records.
    const bool ownFile = test == FaceTest::Drawable && !m_registeredFile.isEmpty();
    for (const QString &candidate : candidates) {
        const bool known = test == FaceTest::SystemOnly ? registry.isInstalled(candidate)
            : ownFile ? registry.isFaceOfFile(candidate, m_registeredFile)
                      : registry.isFaceKnown(candidate);
        if (known) {
            m_faceName = withoutLineBreaks(candidate); // a name from a file must not split a line
            return true;
        }
    }
    return false;
}

bool FontFileReader::registerFile(const QString &path)
{
    FontRegistry &registry = FontRegistry::instance();
    // Only a file just read whole as a regular one gets here.
    if (!registry.addFontFile(path, FontRegistry::FileCheck::JustReadAsRegular))
        return false;
    m_registeredFile = path;
    return true;
}

void FontFileReader::releaseRegistration()
{
    if (!m_registeredFile.isEmpty()) {
        FontRegistry &registry = FontRegistry::instance();
        registry.removeFontFile(m_registeredFile);
        m_registeredFile.clear();
    }
    // A face that was installed before is never taken away, nor forgotten.
    if (!m_faceName.isEmpty() && !m_installed) {
        m_faceName.clear();
        m_validTrueTypeFile = false;
    }
}
