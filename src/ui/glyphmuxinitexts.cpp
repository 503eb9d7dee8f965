#include "ui/glyphmuxinitexts.h"

#include "core/localpath.h"
#include "ui/fileerrortext.h"

#include <QCoreApplication>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(GlyphmuxIniTexts)
};

QString reason(IniNoteKind kind)
{
    switch (kind) {
    case IniNoteKind::UnknownKey:
        return Text::tr("unknown key, not saved");
    case IniNoteKind::UnknownSection:
        return Text::tr("unknown section, its lines are not saved");
    case IniNoteKind::NotAKeyLine:
        return Text::tr("not a key=value line, not saved");
    case IniNoteKind::Repeated:
        return Text::tr("repeated key, the first one counts");
    case IniNoteKind::ConstantDiffers:
        return Text::tr("saving writes the usual value");
    case IniNoteKind::AliasRewritten:
        return Text::tr("alias, saving rewrites it from LatinBold13");
    case IniNoteKind::NotANumber:
        return Text::tr("missing or not a whole number, the initial value stays");
    case IniNoteKind::OutOfRange:
        return Text::tr("out of range, the nearest limit is taken");
    case IniNoteKind::UnknownSlotPart:
        return Text::tr("a part other than :Y, :I and :W, not saved");
    case IniNoteKind::Undecodable:
        return Text::tr("damaged characters, the line is not taken");
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
        return Text::tr("Cannot open %1:\n%2").arg(readablePath(file.path), fileErrorText(file.file));
    case IniReadError::TooLarge:
        return Text::tr("%1 is not a Glyphmux.ini: it is too large.").arg(readablePath(file.path));
    case IniReadError::NotGlyphmuxIni:
        return Text::tr("%1 is not a Glyphmux.ini: it has neither the [FontMap] section nor font lines.")
            .arg(readablePath(file.path));
    }
    return {};
}

QString reportHeading(const GlyphmuxIniFile &file)
{
    return Text::tr("%1 is open. These lines were not taken as they stand:").arg(readablePath(file.path));
}

QStringList reportItems(const ParsedGlyphmuxIni &content)
{
    QStringList items;
    for (const IniNote &note : content.notes)
        items << Text::tr("Line %1: %2 (%3)").arg(QString::number(note.line), note.text, reason(note.kind));
    if (content.notesLeftOut > 0)
        items << Text::tr("… and %n more lines", nullptr, content.notesLeftOut);
    return items;
}

QString backupFailure(const BackupOutcome &outcome)
{
    const QString why = fileErrorText(outcome.error);
    if (outcome.step == BackupError::CannotReadOld)
        return Text::tr("Nothing saved: cannot read the previous version of %1:\n%2")
            .arg(readablePath(outcome.error.path), why);
    return Text::tr("Nothing saved: cannot keep the previous version in %1:\n%2")
        .arg(readablePath(outcome.error.path), why);
}

} // namespace GlyphmuxIniTexts
