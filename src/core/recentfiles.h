#pragma once

#include <QString>
#include <QStringList>

class QSettings;

// The Glyphmux.ini files last opened or saved, and the folder a font file
// was last taken from. They live in the user's configuration folder through
// QSettings (settings.fs keeps only its own two preferences).
class RecentFiles
{
public:
    static constexpr int maxFiles = 8;

    // 'store' must outlive this.
    explicit RecentFiles(QSettings &store);

    // Newest first, absolute paths; files that are gone stay listed.
    QStringList files() const;
    // Puts 'path' first, once; one whose full path cannot be named without
    // loss is left out.
    void add(const QString &path);

    // Empty when no font was chosen yet.
    QString fontFolder() const;
    void setFontFolder(const QString &folder);

private:
    QSettings &m_store;
};
