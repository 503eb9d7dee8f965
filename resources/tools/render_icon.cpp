// Renders resources/icons/glyphmux-gui.svg into the PNG sizes that are
// installed beside it. A maintainer's tool, not part of the build:
//   g++ -std=c++17 -fPIC render_icon.cpp $(pkg-config --cflags --libs Qt6Svg Qt6Gui) -o render_icon
//   ./render_icon ../icons/glyphmux-gui.svg ../icons
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 3)
        return 2;
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid())
        return 1;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        if (!image.save(QStringLiteral("%1/glyphmux-gui-%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(size)))
            return 1;
    }
    return 0;
}
