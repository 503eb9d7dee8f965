#include "ui/glyphmuxinitexts.h"

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

QString fileErrorText(QFileDevice::FileError error, int osError)
{
    if (osError != 0)
        return qt_error_string(osError);
    switch (error) {
    case QFileDevice::PermissionsError:
        return Text::tr("permission denied");
    case QFileDevice::ReadError:
        return Text::tr("read error");
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return Text::tr("write error (is the disk full?)");
    default:
        return Text::tr("the file cannot be opened");
    }
}

QString reason(IniNoteKind kind)
{
    switch (kind) {
    case IniNoteKind::UnknownKey:
        return Text::tr("unknown key, not kept when saving");
    case IniNoteKind::UnknownSection:
        return Text::tr("unknown section, its lines are not kept when saving");
    case IniNoteKind::NotAKeyLine:
        return Text::tr("not a key=value line, not kept when saving");
    case IniNoteKind::Repeated:
        return Text::tr("key given again, the first one counts");
    case IniNoteKind::ConstantDiffers:
        return Text::tr("saving writes the usual value here");
    case IniNoteKind::AliasRewritten:
        return Text::tr("alias line, rewritten from LatinBold13 when saving");
    case IniNoteKind::NotANumber:
        return Text::tr("missing or not a whole number, the initial value stays");
    case IniNoteKind::OutOfRange:
        return Text::tr("out of range, the nearest limit is taken");
    case IniNoteKind::UnknownSlotPart:
        return Text::tr("a part other than :Y, :I or :W, not kept when saving");
    case IniNoteKind::Undecodable:
        return Text::tr("damaged characters, the line is not taken");
    }
    return {};
}

} // namespace

namespace GlyphmuxIniTexts {

QString readFailure(const GlyphmuxIniFile &file)
{
    const QString path = shown(file.path);
    switch (file.error) {
    case IniReadError::None:
        return {};
    case IniReadError::NotAFile:
        return file.osError != 0 ? Text::tr("%1 cannot be opened: %2").arg(path, fileErrorText(file.fileError, file.osError))
                                 : Text::tr("%1 cannot be opened: it is not a file.").arg(path);
    case IniReadError::CannotRead:
        return Text::tr("%1 cannot be read: %2").arg(path, fileErrorText(file.fileError, file.osError));
    case IniReadError::TooLarge:
        return Text::tr("%1 is not a Glyphmux.ini: it is much too large.").arg(path);
    case IniReadError::NotGlyphmuxIni:
        return Text::tr("%1 is not a Glyphmux.ini: it has no [FontMap] section and no font slot line.").arg(path);
    }
    return {};
}

QString reportHeading(const GlyphmuxIniFile &file)
{
    return Text::tr("%1 is open. These lines were not taken as they stand:").arg(shown(file.path));
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
    const QString why = fileErrorText(outcome.fileError, 0);
    if (outcome.error == BackupError::CannotReadOld)
        return Text::tr("Nothing was saved: the previous version of %1 cannot be read to keep it (%2).")
            .arg(shown(outcome.path), why);
    return Text::tr("Nothing was saved: the previous version cannot be kept as %1 (%2).").arg(shown(outcome.path), why);
}

} // namespace GlyphmuxIniTexts
