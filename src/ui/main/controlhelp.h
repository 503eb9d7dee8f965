#pragma once

#include <QCoreApplication>

class FontMapEditor;

// The tooltips of the editor's controls, saying what each does with its
// value, and the names screen readers give the buttons that show only a
// picture or a sign.
class ControlHelp
{
    Q_DECLARE_TR_FUNCTIONS(ControlHelp)
public:
    // Sets them in the language installed now.
    static void apply(const FontMapEditor &editor);
};
