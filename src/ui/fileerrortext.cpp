#include "ui/fileerrortext.h"

#include <QCoreApplication>

QString fileErrorText(const FileError &error)
{
    switch (error.kind) {
    case FileError::Kind::None:
        return QString();
    case FileError::Kind::InvalidName:
        //: invalid file name
        return QCoreApplication::translate("FileError", "nome di file non valido");
    case FileError::Kind::IsFolder:
        //: is a folder
        return QCoreApplication::translate("FileError", "è una cartella");
    case FileError::Kind::NotRegular:
        //: not a regular file
        return QCoreApplication::translate("FileError", "non è un file normale");
    case FileError::Kind::ReadOnly:
        //: the file is read-only
        return QCoreApplication::translate("FileError", "il file è di sola lettura");
    case FileError::Kind::InTheWay:
        //: a symbolic link, pipe or device stands at the name of a file we would write
        return QCoreApplication::translate("FileError", "a link, pipe or device is in the way");
    case FileError::Kind::LossyName:
        return QCoreApplication::translate("FileError",
                                           "its name is not valid UTF-8 and cannot be used without changing it");
    case FileError::Kind::Write:
        if (error.systemText.isEmpty())
            //: incomplete write
            return QCoreApplication::translate("FileError", "scrittura incompleta");
        break;
    case FileError::Kind::Open:
    case FileError::Kind::Read:
    case FileError::Kind::Commit:
        break;
    }
    return error.systemText;
}
