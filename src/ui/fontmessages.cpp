#include "ui/fontmessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QStringList>

namespace FontMessages {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("FontMessages", text);
}

} // namespace

QString refusal(FontRefusal reason, const QString &path)
{
    QString why;
    switch (reason) {
    case FontRefusal::None:
        return QString();
    case FontRefusal::NotFound:
        why = tr("file non trovato");
        break;
    case FontRefusal::NotRegularFile:
        why = tr("non è un file regolare");
        break;
    case FontRefusal::Collection:
        why = tr("è una raccolta TrueType (.ttc), non supportata: estrarne un solo font in un file .ttf");
        break;
    case FontRefusal::NotTrueType:
        why = tr("non è un file TrueType");
        break;
    case FontRefusal::DamagedTable:
        why = tr("una tabella del file è danneggiata");
        break;
    case FontRefusal::NoUsableName:
        why = tr("nessun nome del font è utilizzabile");
        break;
    }
    return tr("Font rifiutato: %1: %2").arg(QDir::toNativeSeparators(path), why);
}

QString outlineWarning(const FontDetails &details)
{
    if (details.refusal != FontRefusal::None || details.outlines != TrueType::OutlineKind::PostScript)
        return QString();
    return tr("%1: contorni PostScript (CFF): il motore dei font del telefono potrebbe non disegnarli")
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
    return characters.isEmpty() ? QString() : tr("manca: %1").arg(spaced(characters));
}

QString outlineKind(TrueType::OutlineKind kind)
{
    switch (kind) {
    case TrueType::OutlineKind::TrueType:
        return tr("TrueType (glyf)");
    case TrueType::OutlineKind::PostScript:
        return tr("PostScript (CFF)");
    case TrueType::OutlineKind::Unknown:
        break;
    }
    return tr("sconosciuti");
}

QString origin(bool installed)
{
    return installed ? tr("già installato nel sistema") : tr("registrato dall'editor");
}

QString fileSize(qint64 bytes)
{
    return tr("%1 byte").arg(QLocale().toString(bytes));
}

QList<DetailRow> detailRows(const FontDetails &d)
{
    QString outlines = outlineKind(d.outlines);
    if (!outlineWarning(d).isEmpty())
        outlines += QLatin1Char('\n') + tr("il motore dei font del telefono potrebbe non disegnarli");
    QList<DetailRow> rows = {
        {"detailsFile", tr("File:"), QDir::toNativeSeparators(d.path)},
        {"detailsSize", tr("Dimensione:"), d.fileSize ? fileSize(*d.fileSize) : QString()},
        {"detailsFamily", tr("Famiglia:"), d.family},
        {"detailsSubfamily", tr("Stile:"), d.subfamily},
        {"detailsFullName", tr("Nome completo:"), d.fullName},
        {"detailsVersion", tr("Versione:"), d.version},
        {"detailsCopyright", tr("Copyright:"), d.copyright},
        {"detailsLicence", tr("Licenza:"), d.licence},
        {"detailsGlyphs", tr("Glifi:"), d.glyphCount ? QString::number(*d.glyphCount) : QString()},
        {"detailsOutlines", tr("Contorni:"), outlines},
        {"detailsOrigin", tr("Origine:"), d.refusal == FontRefusal::None ? origin(d.installed) : refusal(d.refusal, d.path)},
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
