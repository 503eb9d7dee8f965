#include "fonts/cmapcoverage.h"

#include <QList>
#include <QSet>

#include <algorithm>
#include <functional>
#include <optional>

namespace CmapCoverage {
namespace {

// The same cap as the table reader's: no single read above 1 MiB.
constexpr std::uint64_t maxReadSize = 1 << 20;
constexpr std::uint64_t encodingRecordSize = 8;

// Looks one character up; 0 is "no glyph".
using Lookup = std::function<std::uint32_t(char32_t)>;

std::optional<QByteArray> readIn(const ByteSource &source, const TrueType::TableSpan &table, std::uint64_t at,
                                 std::uint64_t len)
{
    if (at > table.length || len > table.length - at || len > maxReadSize)
        return std::nullopt;
    return source.readAt(std::uint64_t(table.offset) + at, len);
}

// Format 4: segments of 16-bit codes, searched by their end codes.
std::optional<Lookup> format4(QByteArray bytes)
{
    ByteReader r(bytes);
    r.seek(6);
    const std::uint64_t segCount = r.u16().value_or(0) / 2;
    if (segCount == 0 || !r.contains(16, segCount * 8))
        return std::nullopt;
    return [bytes, segCount](char32_t c) -> std::uint32_t {
        if (c > 0xFFFF)
            return 0;
        ByteReader r(bytes);
        const auto at = [&r](std::uint64_t offset) { r.seek(offset); return r.u16().value_or(0); };
        const std::uint64_t ends = 14, starts = 16 + segCount * 2, deltas = starts + segCount * 2,
                            ranges = deltas + segCount * 2;
        std::uint64_t low = 0, high = segCount;
        while (low < high) { // the first segment whose end is at or above c
            const std::uint64_t mid = (low + high) / 2;
            if (at(ends + mid * 2) < c)
                low = mid + 1;
            else
                high = mid;
        }
        if (low == segCount || at(starts + low * 2) > c)
            return 0;
        const std::uint16_t delta = at(deltas + low * 2);
        const std::uint16_t rangeOffset = at(ranges + low * 2);
        if (rangeOffset == 0)
            return std::uint16_t(c + delta);
        const std::uint64_t glyphAt = ranges + low * 2 + rangeOffset + (c - at(starts + low * 2)) * 2;
        if (!r.contains(glyphAt, 2))
            return 0;
        const std::uint16_t glyph = at(glyphAt);
        return glyph == 0 ? 0 : std::uint16_t(glyph + delta);
    };
}

// Format 12: groups of 32-bit codes, sorted by their start codes.
std::optional<Lookup> format12(QByteArray bytes)
{
    ByteReader r(bytes);
    r.seek(12);
    const std::uint64_t groups = r.u32().value_or(0);
    if (!r.contains(16, groups * 12))
        return std::nullopt;
    return [bytes, groups](char32_t c) -> std::uint32_t {
        ByteReader r(bytes);
        const auto at = [&r](std::uint64_t offset) { r.seek(offset); return r.u32().value_or(0); };
        std::uint64_t low = 0, high = groups;
        while (low < high) { // the first group whose end is at or above c
            const std::uint64_t mid = (low + high) / 2;
            if (at(16 + mid * 12 + 4) < c)
                low = mid + 1;
            else
                high = mid;
        }
        if (low == groups || at(16 + low * 12) > c)
            return 0;
        return at(16 + low * 12 + 8) + (c - at(16 + low * 12));
    };
}

std::optional<Lookup> readSubtable(const ByteSource &source, const TrueType::TableSpan &cmap, std::uint32_t offset)
{
    const auto head = readIn(source, cmap, offset, 8);
    if (!head)
        return std::nullopt;
    ByteReader r(*head);
    const std::uint16_t format = r.u16().value_or(0);
    if (format == 4) {
        const auto bytes = readIn(source, cmap, offset, r.u16().value_or(0));
        return bytes ? format4(*bytes) : std::nullopt;
    }
    if (format == 12) {
        r.u16();
        const auto bytes = readIn(source, cmap, offset, r.u32().value_or(0));
        return bytes ? format12(*bytes) : std::nullopt;
    }
    return std::nullopt;
}

// How much a Unicode map is worth: full-range maps first, symbol maps never.
int rank(std::uint16_t platform, std::uint16_t encoding)
{
    if (platform == 3)
        return encoding == 10 ? 4 : encoding == 1 ? 2 : 0;
    if (platform == 0)
        return encoding >= 4 ? 3 : 1;
    return 0;
}

std::optional<Lookup> bestMap(const ByteSource &source, const TrueType::TableSpan &cmap)
{
    if (!source.contains(cmap.offset, cmap.length))
        return std::nullopt;
    const auto header = readIn(source, cmap, 0, 4);
    if (!header)
        return std::nullopt;
    ByteReader h(*header);
    h.u16();
    const std::uint16_t count = h.u16().value_or(0);
    const auto records = readIn(source, cmap, 4, count * encodingRecordSize);
    if (!records)
        return std::nullopt;
    QList<std::pair<int, std::uint32_t>> candidates; // rank, offset
    ByteReader r(*records);
    for (std::uint16_t i = 0; i < count; ++i) {
        const std::uint16_t platform = r.u16().value_or(0), encoding = r.u16().value_or(0);
        const std::uint32_t offset = r.u32().value_or(0);
        if (const int value = rank(platform, encoding); value > 0)
            candidates.append({value, offset});
    }
    std::stable_sort(candidates.begin(), candidates.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    // Each offset once: a crafted table may list one subtable many times.
    QSet<std::uint32_t> tried;
    for (const auto &[value, offset] : candidates) {
        if (tried.contains(offset) || tried.size() == 8)
            continue;
        tried.insert(offset);
        if (auto lookup = readSubtable(source, cmap, offset))
            return lookup;
    }
    return std::nullopt;
}

} // namespace

QString missingCharacters(const ByteSource &source, const TrueType::TableSpan &cmap, const QString &wanted)
{
    const std::optional<Lookup> lookup = bestMap(source, cmap);
    QString missing;
    QSet<char32_t> seen;
    for (const char32_t c : QStringView(wanted).toUcs4()) {
        if (seen.contains(c))
            continue;
        seen.insert(c);
        if (!lookup || (*lookup)(c) == 0)
            missing += QString::fromUcs4(&c, 1);
    }
    return missing;
}

} // namespace CmapCoverage
