#pragma once

#include "core/slottable.h"
#include "preview/phonepreview.h"
#include "support/messagerecorder.h"
#include "support/scriptedchooser.h"
#include "support/tempcwd.h"
#include "support/ui.h"
#include "ui/main/mainwindow.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <optional>

// The main window as most window tests start it: in a fresh current folder,
// its file dialogs answered from a script and its message boxes recorded.
struct EditorWindow {
    EditorWindow() = default;
    // 'prepare' puts files into the folder before the window starts.
    explicit EditorWindow(const std::function<void(const TempCwd &)> &prepare) : prepared((prepare(cwd), true)) {}

    TempCwd cwd;
    // A state folder of its own: no recovery left by another window is offered.
    QTemporaryDir state;
    bool stateSet = qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    bool prepared = false; // set between the folder and the window, so 'prepare' runs in that order
    MessageRecorder messages;
    ScriptedChooser chooser;
    MainWindow form{&chooser, &messages};
    QSignalSpy refreshes{&form.preview(), &PhonePreview::refreshed};

    template <typename T = QLineEdit>
    T *get(const char *name) const { return child<T>(&form, name); }
    QLineEdit *face(std::size_t slot) const { return get(slotTable()[slot].key); }
    // Answers the next dialog with 'path' (none: Cancel) and clicks the slot's open button.
    void choose(std::size_t slot, const std::optional<QString> &path)
    {
        path ? chooser.answer(*path) : chooser.cancel();
        get<QPushButton>(slotTable()[slot].openButton)->click();
    }
};
