#pragma once

#include <QByteArray>
#include <QList>

#include <vector>

// Qt's own options that take a value ("-style fusion").
extern const char *const qtValueOptions[13];

// The command line in two: the options (with their values), for Qt and for
// us, and the FILE arguments as the bytes they are. After "--" everything
// is a file, so "-reverse" there names a file and Qt never sees it.
struct SplitArguments {
    std::vector<char *> options; // argv[0] first, null-terminated like argv
    int optionCount = 0;         // without the null; QApplication keeps a reference to it
    QList<QByteArray> files;
};

SplitArguments splitArguments(int argc, char *argv[]);
