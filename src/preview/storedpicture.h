#pragma once

#include <QPixmap>
#include <QString>

// A picture compiled in uncompressed (see resources/tools/pack_picture.cpp):
// shown without decoding, which at start-up costs far less than a PNG.
// A null pixmap when the resource is missing or not such a picture.
QPixmap storedPicture(const QString &resource);
