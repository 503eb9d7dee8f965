#include "ui/commandline.h"

#include <algorithm>
#include <iterator>

const char *const qtValueOptions[13] = {"platform", "platformpluginpath", "platformtheme", "plugin",
                                        "qmljsdebugger", "qwindowgeometry", "qwindowicon", "qwindowtitle",
                                        "session", "display", "geometry", "style", "stylesheet"};

SplitArguments splitArguments(int argc, char *argv[])
{
    SplitArguments split;
    split.options.push_back(argv[0]);
    bool onlyFiles = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (onlyFiles || argument.size() < 2 || !argument.startsWith('-')) {
            split.files << argument;
        } else if (argument == "--") {
            onlyFiles = true;
        } else {
            split.options.push_back(argv[i]);
            const QByteArray name = argument.mid(argument.startsWith("--") ? 2 : 1);
            const bool takesValue = std::any_of(std::begin(qtValueOptions), std::end(qtValueOptions),
                                                [&](const char *option) { return name == option; });
            if (takesValue && i + 1 < argc)
                split.options.push_back(argv[++i]);
        }
    }
    split.optionCount = int(split.options.size());
    split.options.push_back(nullptr);
    return split;
}
