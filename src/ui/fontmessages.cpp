#include "ui/fontmessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QStringList>

namespace FontMessages {

QString refusal(FontRefusal reason, const QString &path)
{
    QString why;
    switch (reason) {
    case FontRefusal::None:
        return QString();
    case FontRefusal::NotFound:
        why = QCoreApplication::translate("FontMessages", "file not found");
        break;
    case FontRefusal::NotRegularFile:
        why = QCoreApplication::translate("FontMessages", "not a regular file");
        break;
    case FontRefusal::Collection:
        why = QCoreApplication::translate("FontMessages", "it is a TrueType collection (.ttc), not supported: extract a single font from it into a .ttf file");
        break;
    case FontRefusal::NotTrueType:
        why = QCoreApplication::translate("FontMessages", "not a TrueType file");
        break;
    case FontRefusal::DamagedTable:
        why = QCoreApplication::translate("FontMessages", "a table of the file is damaged");
        break;
    case FontRefusal::NoUsableName:
        why = QCoreApplication::translate("FontMessages", "none of the font's names is usable");
        break;
    }
    return QCoreApplication::translate("FontMessages", "Font rejected: %1: %2").arg(QDir::toNativeSeparators(path), why);
}

QString outlineWarning(const FontDetails &details)
{
    if (details.refusal != FontRefusal::None || details.outlines != TrueType::OutlineKind::PostScript)
        return QString();
    return QCoreApplication::translate("FontMessages", "%1: PostScript outlines (CFF): the phone's font engine may not draw them")
        .arg(QDir::toNativeSeparators(details.path));
}

QString spaced(const QString &characters)
{
    QStringList list;
    for (const char32_t c : characters.toUcs4())
        list.append(QString::fromUcs4(&c, 1));
    return list.join(QLatin1Char(' '));
}

QString missing(const QString &characters)
{
    return characters.isEmpty() ? QString() : QCoreApplication::translate("FontMessages", "missing: %1").arg(spaced(characters));
}

QString substitute(const QString &drawnFamily)
{
    //: %1 is the font family drawn in place of the face named in the slot.
    return QCoreApplication::translate("FontMessages", "not installed on this computer: the preview draws %1 instead")
        .arg(drawnFamily);
}

QString outlineKind(TrueType::OutlineKind kind)
{
    switch (kind) {
    case TrueType::OutlineKind::TrueType:
        return QCoreApplication::translate("FontMessages", "TrueType (glyf)");
    case TrueType::OutlineKind::PostScript:
        return QCoreApplication::translate("FontMessages", "PostScript (CFF)");
    case TrueType::OutlineKind::Unknown:
        break;
    }
    return QCoreApplication::translate("FontMessages", "unknown");
}

QString origin(bool installed)
{
    return installed ? QCoreApplication::translate("FontMessages", "already installed in the system") : QCoreApplication::translate("FontMessages", "registered by the editor");
}

QString fileSize(qint64 bytes)
{
    return QCoreApplication::translate("FontMessages", "%1 bytes").arg(QLocale().toString(bytes));
}

QList<DetailRow> detailRows(const FontDetails &d)
{
    QString outlines = outlineKind(d.outlines);
    if (!outlineWarning(d).isEmpty())
        outlines += QLatin1Char('\n') + QCoreApplication::translate("FontMessages", "the phone's font engine may not draw them");
    QList<DetailRow> rows = {
        {"detailsFile", QCoreApplication::translate("FontMessages", "File:"), QDir::toNativeSeparators(d.path)},
        {"detailsSize", QCoreApplication::translate("FontMessages", "Size:"), d.fileSize ? fileSize(*d.fileSize) : QString()},
        {"detailsFamily", QCoreApplication::translate("FontMessages", "Family:"), d.family},
        {"detailsSubfamily", QCoreApplication::translate("FontMessages", "Style:"), d.subfamily},
        {"detailsFullName", QCoreApplication::translate("FontMessages", "Full name:"), d.fullName},
        {"detailsVersion", QCoreApplication::translate("FontMessages", "Version:"), d.version},
        {"detailsCopyright", QCoreApplication::translate("FontMessages", "Copyright:"), d.copyright},
        {"detailsLicence", QCoreApplication::translate("FontMessages", "License:"), d.licence},
        {"detailsGlyphs", QCoreApplication::translate("FontMessages", "Glyphs:"), d.glyphCount ? QString::number(*d.glyphCount) : QString()},
        {"detailsOutlines", QCoreApplication::translate("FontMessages", "Outlines:"), outlines},
        {"detailsOrigin", QCoreApplication::translate("FontMessages", "Source:"), d.refusal == FontRefusal::None ? origin(d.installed) : refusal(d.refusal, d.path)},
    };
    for (DetailRow &row : rows) {
        if (row.value.isEmpty())
            row.value = QStringLiteral("-");
    }
    return rows;
}

QString faceTooltip(const FontDetails &details)
{
    QStringList lines;
    for (const DetailRow &row : detailRows(details))
        lines.append(row.caption + QLatin1Char(' ') + row.value);
    return lines.join(QLatin1Char('\n'));
}

} // namespace FontMessages
