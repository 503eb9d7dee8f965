// A core file that breaks both rules: the test "layers_catch" expects the
// check to name each include.
#include "core/fontmap.h"
#include "preview/phonepreview.h"

#include <QImage>
#include <QString>
