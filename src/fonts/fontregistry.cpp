#include "fonts/fontregistry.h"

#include <QGuiApplication>

FontRegistry &FontRegistry::instance()
{
    static FontRegistry registry;
    return registry;
}

void FontRegistry::applyFace(QFont &font, const QString &face) const
{
    // QFont::setFamily("") picks an unrelated font; an empty face means the
    // platform's default one.
    font.setFamily(face.isEmpty() ? QGuiApplication::font().family() : face);
}
