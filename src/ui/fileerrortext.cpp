#include "ui/fileerrortext.h"

QString fileErrorText(const FileError &error)
{
    switch (error.kind) {
    case FileError::Kind::None:
        return QString();
    case FileError::Kind::InvalidName:
        return QStringLiteral("nome di file non valido");
    case FileError::Kind::IsFolder:
        return QStringLiteral("è una cartella");
    case FileError::Kind::NotRegular:
        return QStringLiteral("non è un file normale");
    case FileError::Kind::ReadOnly:
        return QStringLiteral("il file è di sola lettura");
    case FileError::Kind::Write:
        if (error.systemText.isEmpty())
            return QStringLiteral("scrittura incompleta");
        break;
    case FileError::Kind::Open:
    case FileError::Kind::Read:
    case FileError::Kind::Commit:
        break;
    }
    return error.systemText;
}
