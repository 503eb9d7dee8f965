#pragma once

#include <QStringList>

// A generated folder of fonts for the font list's benchmarks.
namespace FontCorpus {

// Writes 'count' distinct small fonts into 'dir': Latin subsets of the DejaVu
// faces (the printable ASCII letters, some without digits or punctuation),
// each under names of its own ("Bench Face 0001"). A few kilobytes each,
// drawable by any font system. Returns their paths; empty on failure.
QStringList writeLatinSubsets(const QString &dir, int count);

} // namespace FontCorpus
