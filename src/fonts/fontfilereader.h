#pragma once

#include "fonts/fontrefusal.h"
#include "fonts/truetypeparser.h"

#include <QString>
#include <QtGlobal>

#include <cstdint>

// Reads one TrueType file: its names and style bits; makes its face
// drawable for as long as this object lives (registering the file when the
// system does not already have the face), and tells the face name under
// which it can be drawn.
class FontFileReader final
{
public:
    FontFileReader();
    ~FontFileReader();
    Q_DISABLE_COPY_MOVE(FontFileReader)

    // Undoes this object's registration of the previous file, then, when
    // 'path' is an existing file, reads it and finds (or registers) its face.
    // A missing path or a folder leaves everything else as it was.
    void setFontFile(const QString &path);
    QString fontFile() const { return m_fontFile; }

    // The face name the system draws this font by; empty when none was found.
    QString faceName() const { return m_faceName; }
    // True when the system knew the face before this object registered anything.
    bool isInstalled() const { return m_installed; }
    // True when the "head" table of the last file read has the TrueType magic.
    bool isValidTrueType() const { return m_validTrueTypeFile; }

    QString copyright() const { return nameText(TrueType::CopyrightId); }
    QString familyName() const { return nameText(TrueType::FamilyId); }
    QString subfamilyName() const { return nameText(TrueType::SubfamilyId); }
    QString uniqueIdentifier() const { return nameText(TrueType::UniqueId); }
    QString fullName() const { return nameText(TrueType::FullNameId); }
    QString versionString() const { return nameText(TrueType::VersionId); }
    QString postscriptName() const { return nameText(TrueType::PostscriptId); }
    QString trademark() const { return nameText(TrueType::TrademarkId); }

    // Style bits of the OS/2 fsSelection field.
    bool isItalic() const { return TrueType::isBitSet(m_fsSelection, 0); }
    bool isUnderlined() const { return TrueType::isBitSet(m_fsSelection, 1); }
    bool isStrikeOut() const { return TrueType::isBitSet(m_fsSelection, 4); }
    bool isBold() const { return TrueType::isBitSet(m_fsSelection, 5); }

    // Beyond the classic surface: what the font details and a refusal need.
    QString licenseDescription() const { return nameText(TrueType::LicenseId); }
    std::optional<int> glyphCount() const { return m_glyphCount; }
    TrueType::OutlineKind outlines() const { return m_outlines; }
    // Why the last path given yielded no face; None when it yielded one.
    FontRefusal refusal() const;

private:
    enum class FaceTest { SystemOnly, Drawable };

    bool readTables(const FileSource &source);
    QString nameText(std::uint16_t nameId) const;
    bool findFaceName(FaceTest test);
    bool registerFile(const QString &path);
    void releaseRegistration();

    QString m_fontFile;
    QString m_faceName;
    std::uint32_t m_systemLocaleId = 0;
    bool m_installed = false;
    bool m_validTrueTypeFile = false;
    TrueType::NameTable m_names;
    std::uint16_t m_fsSelection = 0;
    // The file this object holds a registration of; empty when none. Kept
    // apart from FaceName so that a file registered without a face found is
    // still unregistered.
    QString m_registeredFile;
    FontFileFacts m_facts;
    std::optional<int> m_glyphCount;
    TrueType::OutlineKind m_outlines = TrueType::OutlineKind::Unknown;
};
