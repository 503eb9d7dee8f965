#include "ui/fileerrortext.h"

#include <QCoreApplication>

#include <cerrno>

namespace {

struct KnownError {
    int number;
    const char *text;
};

// The system's texts come in the system's language, which need not be the
// one the user chose; these are ours and follow the choice.
const KnownError knownErrors[] = {
    {ENOENT, QT_TRANSLATE_NOOP("FileError", "no such file or folder")},
    {EACCES, QT_TRANSLATE_NOOP("FileError", "permission denied")},
    {EPERM, QT_TRANSLATE_NOOP("FileError", "operation not permitted")},
    {EROFS, QT_TRANSLATE_NOOP("FileError", "the disk is read-only")},
    {ENOSPC, QT_TRANSLATE_NOOP("FileError", "the disk is full")},
#ifdef EDQUOT
    {EDQUOT, QT_TRANSLATE_NOOP("FileError", "the disk quota is used up")},
#endif
    {EFBIG, QT_TRANSLATE_NOOP("FileError", "the file is too large")},
    {EISDIR, QT_TRANSLATE_NOOP("FileError", "it is a folder")},
    {ENOTDIR, QT_TRANSLATE_NOOP("FileError", "a part of the path is not a folder")},
    {EEXIST, QT_TRANSLATE_NOOP("FileError", "it already exists")},
    {ENAMETOOLONG, QT_TRANSLATE_NOOP("FileError", "the name is too long")},
#ifdef ELOOP
    {ELOOP, QT_TRANSLATE_NOOP("FileError", "too many links in the path")},
#endif
    {EIO, QT_TRANSLATE_NOOP("FileError", "input/output error")},
    {EBUSY, QT_TRANSLATE_NOOP("FileError", "it is busy")},
    {EMFILE, QT_TRANSLATE_NOOP("FileError", "too many open files")},
    {ENFILE, QT_TRANSLATE_NOOP("FileError", "too many open files")},
    {EXDEV, QT_TRANSLATE_NOOP("FileError", "it is on another disk")},
    {ENOTEMPTY, QT_TRANSLATE_NOOP("FileError", "the folder is not empty")},
};

QString translated(const char *text)
{
    return QCoreApplication::translate("FileError", text);
}

} // namespace

QString systemErrorText(int error)
{
    for (const KnownError &known : knownErrors)
        if (known.number == error)
            return translated(known.text);
    return qt_error_string(error);
}

QString fileErrorText(const FileError &error)
{
    switch (error.kind) {
    case FileError::Kind::None:
        return QString();
    case FileError::Kind::InvalidName:
        return QCoreApplication::translate("FileError", "invalid file name");
    case FileError::Kind::IsFolder:
        return QCoreApplication::translate("FileError", "it is a folder");
    case FileError::Kind::NotRegular:
        return QCoreApplication::translate("FileError", "not a regular file");
    case FileError::Kind::ReadOnly:
        return QCoreApplication::translate("FileError", "the file is read-only");
    case FileError::Kind::InTheWay:
        //: a symbolic link, pipe or device stands at the name of a file we would write
        return QCoreApplication::translate("FileError", "a link, pipe or device is in the way");
    case FileError::Kind::LossyName:
        return QCoreApplication::translate("FileError",
                                           "its name is not valid UTF-8 and cannot be used without changing it");
    case FileError::Kind::Write:
        if (error.systemText.isEmpty())
            return QCoreApplication::translate("FileError", "incomplete write");
        break;
    case FileError::Kind::Open:
    case FileError::Kind::Read:
    case FileError::Kind::Commit:
        break;
    }
    // The core keeps the system's text of the error; the same text, in this
    // process, names the same number.
    for (const KnownError &known : knownErrors)
        if (error.systemText == qt_error_string(known.number))
            return translated(known.text);
    return error.systemText;
}
