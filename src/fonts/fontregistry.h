#pragma once

#include "fonts/fontfaces.h"

#include <QFont>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <optional>

// The program's one shared table of font files it has made drawable, and the
// place that answers "can the system draw this face, and with which font?".
// Registrations are counted per file, so a face stays drawable while anyone
// still uses it. A file nobody uses any more stays registered with Qt but
// counts as gone: removing a font makes Qt re-read every file still
// registered, so unused files are removed together, once the program is
// idle, at exit, or at once when a face of theirs is asked for.
class FontRegistry final : public QObject
{
    Q_OBJECT
public:
    static FontRegistry &instance();

    // Sets the face of 'font' to the face named exactly 'face', keeping its
    // size, weight and italic flag. An empty name gives the application's
    // default family; an unknown one whatever Qt substitutes.
    void applyFace(QFont &font, const QString &face) const;

    // True when 'face' is, exactly and case-sensitively, a family name of a
    // font the system has or of a file registered here. A font file can be
    // known by several family names; each of them counts.
    bool isFaceKnown(const QString &face) const;
    // As isFaceKnown, but only for fonts the system had without us: whether
    // an installed copy can stand for a chosen file, so compared exactly.
    bool isInstalled(const QString &face) const;
    // True when 'face' is a family name of the fonts of 'path', a file
    // registered here and in use, compared as fontconfig compares names
    // (sameFontconfigName): fontconfig keeps one spelling of names that
    // differ only in blanks or case, and the file's own name ID 1 may be
    // the other one.
    bool isFaceOfFile(const QString &face, const QString &path) const;

    // Makes the font file drawable, or counts one more user of it. True when
    // the file's fonts are registered (now or before). The file is first
    // checked to be a regular one, unless the caller has just read it as one.
    enum class FileCheck { Check, JustReadAsRegular };
    bool addFontFile(const QString &path, FileCheck check = FileCheck::Check);
    // Drops one use of 'path'; after the last one the file counts as gone.
    void removeFontFile(const QString &path);
    // Unregisters every file nobody uses, in one go.
    void removeUnusedFiles();
    // How many uses of 'path' are registered (0: none).
    int registrations(const QString &path) const;

private:
    FontRegistry() = default;

    struct Registration
    {
        int id = -1;      // Qt's application font id
        int uses = 0;     // 0: waiting to be unregistered
        FaceIndex faces;  // every family name of the file's fonts
    };

    static QString key(const QString &path);
    const FaceIndex &systemFaces() const;
    const QSet<QString> &qtFamilies() const;
    QList<FontFace> fontsNamed(const QString &face) const;
    bool unusedFileHasFace(const QString &face) const;
    void removeWhenIdle();

    QHash<QString, Registration> m_files;
    mutable std::optional<FaceIndex> m_system;
    mutable std::optional<QSet<QString>> m_qtFamilies; // refreshed when registrations change
    QTimer *m_idle = nullptr;
};
