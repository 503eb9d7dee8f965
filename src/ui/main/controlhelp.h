#pragma once

#include <QCoreApplication>

#include <cstddef>

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
    // A face field's own tooltip, shown while no note about a file is.
    static QString faceField(std::size_t slot);
};
