#pragma once

#include <QFont>
#include <QObject>
#include <QString>

// The program's one shared table of font files it has made drawable, and the
// place that answers "can the system draw this face, and with which font?".
// Registrations are counted per file, so a face stays drawable while anyone
// still uses it.
class FontRegistry final : public QObject
{
    Q_OBJECT
public:
    static FontRegistry &instance();

    // Sets the face of 'font' to the face named exactly 'face', keeping its
    // size, weight and italic flag. An empty name gives the application's
    // default family; an unknown one whatever Qt substitutes.
    void applyFace(QFont &font, const QString &face) const;

signals:
    // Our registrations changed the set of drawable faces.
    void fontsChanged();

private:
    FontRegistry() = default;
};
