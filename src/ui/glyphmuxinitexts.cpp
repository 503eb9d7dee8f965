#include "ui/glyphmuxinitexts.h"

#include "ui/fileerrortext.h"

#include <QCoreApplication>
#include <QDir>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(GlyphmuxIniTexts)
};

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString reason(IniNoteKind kind)
{
    switch (kind) {
    case IniNoteKind::UnknownKey:
        return Text::tr("chiave sconosciuta, non viene salvata");
    case IniNoteKind::UnknownSection:
        return Text::tr("sezione sconosciuta, le sue righe non vengono salvate");
    case IniNoteKind::NotAKeyLine:
        return Text::tr("non è una riga chiave=valore, non viene salvata");
    case IniNoteKind::Repeated:
        return Text::tr("chiave ripetuta, vale la prima");
    case IniNoteKind::ConstantDiffers:
        return Text::tr("il salvataggio scrive il valore consueto");
    case IniNoteKind::AliasRewritten:
        return Text::tr("alias, il salvataggio lo riscrive da LatinBold13");
    case IniNoteKind::NotANumber:
        return Text::tr("manca o non è un numero intero, resta il valore iniziale");
    case IniNoteKind::OutOfRange:
        return Text::tr("fuori dai limiti, preso il limite più vicino");
    case IniNoteKind::UnknownSlotPart:
        return Text::tr("una parte diversa da :Y, :I e :W, non viene salvata");
    case IniNoteKind::Undecodable:
        return Text::tr("caratteri danneggiati, la riga non è presa");
    }
    return {};
}

} // namespace

namespace GlyphmuxIniTexts {

QString readFailure(const GlyphmuxIniFile &file)
{
    switch (file.error) {
    case IniReadError::None:
        return {};
    case IniReadError::NotAFile:
    case IniReadError::CannotRead:
        return Text::tr("Impossibile aprire %1:\n%2").arg(shown(file.path), fileErrorText(file.file));
    case IniReadError::TooLarge:
        return Text::tr("%1 non è un Glyphmux.ini: è troppo grande.").arg(shown(file.path));
    case IniReadError::NotGlyphmuxIni:
        return Text::tr("%1 non è un Glyphmux.ini: non ha né la sezione [FontMap] né righe dei font.")
            .arg(shown(file.path));
    }
    return {};
}

QString reportHeading(const GlyphmuxIniFile &file)
{
    return Text::tr("%1 è aperto. Queste righe non sono state prese così come sono:").arg(shown(file.path));
}

QStringList reportItems(const ParsedGlyphmuxIni &content)
{
    QStringList items;
    for (const IniNote &note : content.notes)
        items << Text::tr("Riga %1: %2 (%3)").arg(QString::number(note.line), note.text, reason(note.kind));
    if (content.notesLeftOut > 0)
        items << Text::tr("… e altre %n righe", nullptr, content.notesLeftOut);
    return items;
}

QString backupFailure(const BackupOutcome &outcome)
{
    const QString why = fileErrorText(outcome.error);
    if (outcome.step == BackupError::CannotReadOld)
        return Text::tr("Nessun salvataggio: impossibile leggere la versione precedente di %1:\n%2")
            .arg(shown(outcome.error.path), why);
    return Text::tr("Nessun salvataggio: impossibile conservare la versione precedente in %1:\n%2")
        .arg(shown(outcome.error.path), why);
}

} // namespace GlyphmuxIniTexts
