#pragma once

#include <QString>
#include <QStringList>

// The two phone families the engine runs on; each needs its own set of files.
enum class PhoneFamily { N70, Model6630 };

// Where the engine's files go on the phone, relative to its C: drive.
namespace PhoneFolders {
inline QString configuration() { return QStringLiteral("data/fonts/glyphmux.ini"); }
inline QString fonts() { return QStringLiteral("data/fonts"); }
inline QString libraries() { return QStringLiteral("system/fonts"); }
} // namespace PhoneFolders

// The engine's libraries the family needs, file names in copy-list order.
QStringList engineLibraries(PhoneFamily family);

// The phone paths to copy to, in the order the copy list shows them:
// libraries, configuration, then one line per entry of 'fontNames'.
QStringList phoneCopyPaths(PhoneFamily family, const QStringList &fontNames);

// "data/fonts/x.ttf" as the phone writes it: "c:\data\fonts\x.ttf".
QString phonePath(const QString &relativePath);
