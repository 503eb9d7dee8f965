// The reference: a bare main window with the same menus and as many child
// widgets as the editor, ending right after its first paint.
#include "firstpaint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int children = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100;

    QMainWindow window;
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("Save to Glyphmux.ini"));
    file->addSeparator();
    file->addAction(QStringLiteral("Exit"));
    QMenu *settings = window.menuBar()->addMenu(QStringLiteral("Settings"));
    settings->addAction(QStringLiteral("Language"));
    settings->addAction(QStringLiteral("Show information popup"))->setCheckable(true);
    window.menuBar()->addAction(QStringLiteral("?"));

    auto *area = new QWidget(&window);
    area->setFixedSize(744, 388);
    window.setCentralWidget(area);
    // The menu bar and its menus count as children too.
    const int made = int(window.findChildren<QWidget *>().size());
    for (int i = made; i < children; ++i) {
        auto *label = new QLabel(QStringLiteral("label %1").arg(i), area);
        label->setGeometry((i * 37) % 700, (i * 13) % 370, 40, 17);
    }
    QuitAfterFirstPaint quitter(&window);
    window.show();
    return app.exec();
}
