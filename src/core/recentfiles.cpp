#include "core/recentfiles.h"

#include "core/localpath.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {
const QString filesKey = QStringLiteral("recentFiles");
const QString fontFolderKey = QStringLiteral("lastFontFolder");
} // namespace

RecentFiles::RecentFiles(QSettings &store) : m_store(store) {}

QStringList RecentFiles::files() const
{
    QStringList files = m_store.value(filesKey).toStringList();
    files.removeAll(QString());
    // The store may have been edited by hand.
    return files.mid(0, maxFiles);
}

void RecentFiles::add(const QString &path)
{
    const QString absolute = absoluteNativePath(path);
    if (!isLosslessPath(absolute)) // the menu would open a look-alike
        return;
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    m_store.setValue(filesKey, list.mid(0, maxFiles));
}

QString RecentFiles::fontFolder() const
{
    return m_store.value(fontFolderKey).toString();
}

void RecentFiles::setFontFolder(const QString &folder)
{
    m_store.setValue(fontFolderKey, QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
}
