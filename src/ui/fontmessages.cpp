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
        //: file not found
        why = QCoreApplication::translate("FontMessages", "file non trovato");
        break;
    case FontRefusal::NotRegularFile:
        //: not a regular file
        why = QCoreApplication::translate("FontMessages", "non è un file regolare");
        break;
    case FontRefusal::Collection:
        //: is a TrueType collection (.ttc), not supported: extract a single font into a .ttf file
        why = QCoreApplication::translate("FontMessages", "è una raccolta TrueType (.ttc), non supportata: estrarne un solo font in un file .ttf");
        break;
    case FontRefusal::NotTrueType:
        //: not a TrueType file
        why = QCoreApplication::translate("FontMessages", "non è un file TrueType");
        break;
    case FontRefusal::DamagedTable:
        //: a table of the file is damaged
        why = QCoreApplication::translate("FontMessages", "una tabella del file è danneggiata");
        break;
    case FontRefusal::NoUsableName:
        //: none of the font's names can be used
        why = QCoreApplication::translate("FontMessages", "nessun nome del font è utilizzabile");
        break;
    }
    //: Font refused: %1 (the file): %2 (why)
    return QCoreApplication::translate("FontMessages", "Font rifiutato: %1: %2").arg(QDir::toNativeSeparators(path), why);
}

QString outlineWarning(const FontDetails &details)
{
    if (details.refusal != FontRefusal::None || details.outlines != TrueType::OutlineKind::PostScript)
        return QString();
    //: %1 (slot): PostScript (CFF) outlines: the phone's font engine may not draw them
    return QCoreApplication::translate("FontMessages", "%1: contorni PostScript (CFF): il motore dei font del telefono potrebbe non disegnarli")
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
    //: missing: %1 (the characters the font lacks)
    return characters.isEmpty() ? QString() : QCoreApplication::translate("FontMessages", "manca: %1").arg(spaced(characters));
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
    //: unknown (the kind of outlines)
    return QCoreApplication::translate("FontMessages", "sconosciuti");
}

QString origin(bool installed)
{
    if (installed)
        //: already installed on the system
        return QCoreApplication::translate("FontMessages", "già installato nel sistema");
    //: registered by the editor (for as long as it runs)
    return QCoreApplication::translate("FontMessages", "registrato dall'editor");
}

QString fileSize(qint64 bytes)
{
    //: %1 bytes (a file size)
    return QCoreApplication::translate("FontMessages", "%1 byte").arg(QLocale().toString(bytes));
}

QList<DetailRow> detailRows(const FontDetails &d)
{
    QString outlines = outlineKind(d.outlines);
    if (!outlineWarning(d).isEmpty())
        //: the phone's font engine may not draw them
        outlines += QLatin1Char('\n') + QCoreApplication::translate("FontMessages", "il motore dei font del telefono potrebbe non disegnarli");
    QList<DetailRow> rows = {
        {"detailsFile", QCoreApplication::translate("FontMessages", "File:"), QDir::toNativeSeparators(d.path)},
        //: Size:
        {"detailsSize", QCoreApplication::translate("FontMessages", "Dimensione:"), d.fileSize ? fileSize(*d.fileSize) : QString()},
        //: Family:
        {"detailsFamily", QCoreApplication::translate("FontMessages", "Famiglia:"), d.family},
        //: Style:
        {"detailsSubfamily", QCoreApplication::translate("FontMessages", "Stile:"), d.subfamily},
        //: Full name:
        {"detailsFullName", QCoreApplication::translate("FontMessages", "Nome completo:"), d.fullName},
        //: Version:
        {"detailsVersion", QCoreApplication::translate("FontMessages", "Versione:"), d.version},
        {"detailsCopyright", QCoreApplication::translate("FontMessages", "Copyright:"), d.copyright},
        //: Licence:
        {"detailsLicence", QCoreApplication::translate("FontMessages", "Licenza:"), d.licence},
        //: Glyphs:
        {"detailsGlyphs", QCoreApplication::translate("FontMessages", "Glifi:"), d.glyphCount ? QString::number(*d.glyphCount) : QString()},
        //: Outlines:
        {"detailsOutlines", QCoreApplication::translate("FontMessages", "Contorni:"), outlines},
        //: Origin:
        {"detailsOrigin", QCoreApplication::translate("FontMessages", "Origine:"), d.refusal == FontRefusal::None ? origin(d.installed) : refusal(d.refusal, d.path)},
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
