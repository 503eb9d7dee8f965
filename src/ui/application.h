#pragma once

#include <functional>

class QWidget;

// The whole program: answers --help and --version, or shows the main window
// and runs until it closes. 'shown' runs right after the window is shown
// (the start-up benchmark uses it to stop after the first paint).
int runEditor(int argc, char *argv[], const std::function<void(QWidget &)> &shown = {});
