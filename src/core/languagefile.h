#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>

// A language file replaces 39 captions. Its first line, up to the first
// comma, holds the captions separated by "|", in the order of captionTable()
// (ui/captiontable.h): the 30 preview labels, then the editor's frames and
// labels, then the phone-model window's title.

inline constexpr std::size_t CaptionFieldCount = 39;
// The last field is the phone-model window's title; the others name
// controls of the main window.
inline constexpr std::size_t PhoneModelTitleField = 38;

// The fields of a language file's text (already cut at its first comma).
// Fields are kept exactly, empty ones too; an empty text has no fields.
QStringList splitLanguageFields(const QString &text);
