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
        //: unknown key, not saved
        return Text::tr("chiave sconosciuta, non viene salvata");
    case IniNoteKind::UnknownSection:
        //: unknown section, its lines are not saved
        return Text::tr("sezione sconosciuta, le sue righe non vengono salvate");
    case IniNoteKind::NotAKeyLine:
        //: not a key=value line, not saved
        return Text::tr("non è una riga chiave=valore, non viene salvata");
    case IniNoteKind::Repeated:
        //: repeated key, the first one counts
        return Text::tr("chiave ripetuta, vale la prima");
    case IniNoteKind::ConstantDiffers:
        //: saving writes the usual value
        return Text::tr("il salvataggio scrive il valore consueto");
    case IniNoteKind::AliasRewritten:
        //: alias, saving rewrites it from LatinBold13
        return Text::tr("alias, il salvataggio lo riscrive da LatinBold13");
    case IniNoteKind::NotANumber:
        //: missing or not a whole number, the initial value stays
        return Text::tr("manca o non è un numero intero, resta il valore iniziale");
    case IniNoteKind::OutOfRange:
        //: out of range, the nearest limit is taken
        return Text::tr("fuori dai limiti, preso il limite più vicino");
    case IniNoteKind::UnknownSlotPart:
        //: a part other than :Y, :I and :W, not saved
        return Text::tr("una parte diversa da :Y, :I e :W, non viene salvata");
    case IniNoteKind::Undecodable:
        //: damaged characters, the line is not taken
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
        //: Cannot open %1:\n%2 (why)
        return Text::tr("Impossibile aprire %1:\n%2").arg(shown(file.path), fileErrorText(file.file));
    case IniReadError::TooLarge:
        //: %1 is not a Glyphmux.ini: it is too large.
        return Text::tr("%1 non è un Glyphmux.ini: è troppo grande.").arg(shown(file.path));
    case IniReadError::NotGlyphmuxIni:
        //: %1 is not a Glyphmux.ini: it has neither a [FontMap] section nor font lines.
        return Text::tr("%1 non è un Glyphmux.ini: non ha né la sezione [FontMap] né righe dei font.")
            .arg(shown(file.path));
    }
    return {};
}

QString reportHeading(const GlyphmuxIniFile &file)
{
    //: %1 is open. These lines were not taken as they stand:
    return Text::tr("%1 è aperto. Queste righe non sono state prese così come sono:").arg(shown(file.path));
}

QStringList reportItems(const ParsedGlyphmuxIni &content)
{
    QStringList items;
    for (const IniNote &note : content.notes)
        //: Line %1: %2 (the line) (%3, why)
        items << Text::tr("Riga %1: %2 (%3)").arg(QString::number(note.line), note.text, reason(note.kind));
    if (content.notesLeftOut > 0)
        //: … and %n more lines
        items << Text::tr("… e altre %n righe", nullptr, content.notesLeftOut);
    return items;
}

QString backupFailure(const BackupOutcome &outcome)
{
    const QString why = fileErrorText(outcome.error);
    if (outcome.step == BackupError::CannotReadOld)
        //: Nothing saved: the previous version of %1 cannot be read:\n%2
        return Text::tr("Nessun salvataggio: impossibile leggere la versione precedente di %1:\n%2")
            .arg(shown(outcome.error.path), why);
    //: Nothing saved: the previous version cannot be kept in %1:\n%2
    return Text::tr("Nessun salvataggio: impossibile conservare la versione precedente in %1:\n%2")
        .arg(shown(outcome.error.path), why);
}

} // namespace GlyphmuxIniTexts
