#pragma once

#include "core/slottable.h"

#include <QString>
#include <QStringList>

#include <array>

class QSettings;

// What is remembered between runs about font files, in the user's
// configuration (QSettings; never in Glyphmux.ini): the folders fonts were
// last taken from, and for each Glyphmux.ini saved or exported, the file
// each slot's face came from, so that reopening it finds the same files.
class FontFileMemory
{
public:
    static constexpr int maxFolders = 8;
    static constexpr int maxConfigurations = 32;
    using SlotFiles = std::array<QString, SlotCount>;

    // 'store' must outlive this.
    explicit FontFileMemory(QSettings &store);

    // Newest first.
    QStringList fontFolders() const;
    void addFontFolder(const QString &folder);

    // Empty paths when nothing is remembered for 'iniPath'.
    SlotFiles filesOf(const QString &iniPath) const;
    void remember(const QString &iniPath, const SlotFiles &files);

private:
    QSettings &m_store;
};
