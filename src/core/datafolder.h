#pragma once

#include <QString>

// The folder of the shipped language files. The build puts "Data" beside the
// executable; an installed program finds it under the prefix's share folder.
QString dataFolder();

// The same lookup for a given program folder: "<folder>/Data" when it exists,
// else the installed location when that exists, else "<folder>/Data".
QString dataFolderFor(const QString &programFolder);

// The installed location, relative to the executable's folder.
QString installedDataFolderFromProgram();
