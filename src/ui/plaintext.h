#pragma once

#include <QString>
#include <Qt>

// Text from the file system (paths, face names, a font's own name strings)
// where a widget guesses the format from the text (a tooltip, a label or a
// message box on Qt::AutoText): taken for markup, "<img src=...>" in a file
// name would make Qt load that file as a picture. Labels and message boxes
// are set to Qt::PlainText; where there is no format to set, this says how
// the text must be given.
struct ShownText {
    QString text;
    Qt::TextFormat format = Qt::PlainText; // how 'text' is to be read
};

// 'plain' as it is (Qt::PlainText) when Qt would not take it for markup;
// otherwise escaped into Qt::RichText that shows the same characters, line
// breaks and spaces.
ShownText shownAsPlain(const QString &plain);

// For a tooltip, which always guesses: the text of shownAsPlain().
QString plainToolTip(const QString &plain);
