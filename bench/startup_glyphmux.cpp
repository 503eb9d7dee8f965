// The editor as main.cpp starts it, ending right after its first paint.
#include "firstpaint.h"
#include "ui/main/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Form1 window;
    QuitAfterFirstPaint quitter(&window);
    window.show();
    return app.exec();
}
