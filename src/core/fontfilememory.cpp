#include "core/fontfilememory.h"

#include "core/localpath.h"

#include <QDir>
#include <QSettings>

namespace {

const QString foldersKey = QStringLiteral("fontFolders");
// One flat list: each configuration's path, then its slots' files.
const QString filesKey = QStringLiteral("fontFilesOf");
constexpr int entrySize = 1 + int(SlotCount);

// Empty for a name the store could not keep exactly (see core/localpath.h).
QString absolute(const QString &path)
{
    const QString full = path.isEmpty() ? QString() : absoluteNativePath(path);
    return isLosslessPath(full) ? full : QString();
}

} // namespace

FontFileMemory::FontFileMemory(QSettings &store) : m_store(store) {}

QStringList FontFileMemory::fontFolders() const
{
    QStringList folders = m_store.value(foldersKey).toStringList();
    folders.removeAll(QString());
    return folders.mid(0, maxFolders); // the store may have been edited by hand
}

void FontFileMemory::addFontFolder(const QString &folder)
{
    QStringList folders = fontFolders();
    folders.removeAll(absolute(folder));
    folders.prepend(absolute(folder));
    m_store.setValue(foldersKey, folders.mid(0, maxFolders));
}

FontFileMemory::SlotFiles FontFileMemory::filesOf(const QString &iniPath) const
{
    const QStringList list = m_store.value(filesKey).toStringList().mid(0, maxConfigurations * entrySize);
    const QString key = absolute(iniPath);
    SlotFiles files;
    if (key.isEmpty())
        return files;
    for (qsizetype at = 0; at + entrySize <= list.size(); at += entrySize) {
        if (list[at] != key)
            continue;
        for (std::size_t i = 0; i < SlotCount; ++i)
            files[i] = list[at + 1 + qsizetype(i)];
        break;
    }
    return files;
}

void FontFileMemory::remember(const QString &iniPath, const SlotFiles &files)
{
    const QString key = absolute(iniPath);
    if (key.isEmpty())
        return;
    const QStringList old = m_store.value(filesKey).toStringList();
    QStringList list{key};
    for (const QString &file : files)
        list << file;
    for (qsizetype at = 0; at + entrySize <= old.size() && list.size() < maxConfigurations * entrySize;
         at += entrySize) {
        if (old[at] != key)
            list += old.mid(at, entrySize);
    }
    m_store.setValue(filesKey, list);
}
