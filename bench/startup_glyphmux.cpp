// The editor exactly as it starts, ending right after its first paint.
#include "firstpaint.h"
#include "ui/application.h"

#include <memory>

int main(int argc, char *argv[])
{
    std::unique_ptr<QuitAfterFirstPaint> quitter;
    return runEditor(argc, argv, [&quitter](QWidget &window) {
        quitter = std::make_unique<QuitAfterFirstPaint>(&window);
    });
}
