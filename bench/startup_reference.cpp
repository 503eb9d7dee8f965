// The reference: a plain main window with the same menus, the same kinds,
// numbers and sizes of widgets as the editor and the same pictures, ending
// right after its first paint. Arguments: "Kind:WxH,..." (one per widget),
// the editor's fonts ("font|font|...", as QFont::toString gives them) and
// picture files.
#include "firstpaint.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMap>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>

#include <functional>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
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

    using Make = std::function<QWidget *(int)>;
    const QMap<QString, Make> makers = {
        {QStringLiteral("QLabel"), [&](int i) { return new QLabel(QStringLiteral("label %1").arg(i), area); }},
        {QStringLiteral("QLineEdit"), [&](int i) { return new QLineEdit(QString::number(i), area); }},
        {QStringLiteral("QPushButton"), [&](int i) { return new QPushButton(QStringLiteral("b%1").arg(i), area); }},
        {QStringLiteral("QToolButton"), [&](int) { return new QToolButton(area); }},
        {QStringLiteral("QCheckBox"), [&](int i) { return new QCheckBox(QStringLiteral("c%1").arg(i), area); }},
        {QStringLiteral("QRadioButton"), [&](int i) { return new QRadioButton(QStringLiteral("r%1").arg(i), area); }},
        {QStringLiteral("QGroupBox"), [&](int i) { return new QGroupBox(QStringLiteral("g%1").arg(i), area); }},
        {QStringLiteral("QScrollBar"), [&](int) { return new QScrollBar(Qt::Horizontal, area); }},
        {QStringLiteral("QSpinBox"), [&](int) { return new QSpinBox(area); }},
        {QStringLiteral("QComboBox"), [&](int) { return new QComboBox(area); }},
    };
    // What the menus made already counts.
    QMap<QString, int> present;
    for (QWidget *w : window.findChildren<QWidget *>()) {
        const QMetaObject *m = w->metaObject();
        while (m->superClass() && !QByteArray(m->className()).startsWith('Q'))
            m = m->superClass();
        ++present[QLatin1String(m->className())];
    }
    // The widgets take the editor's fonts in turn.
    QList<QFont> fonts;
    for (const QString &description : QString::fromLocal8Bit(argc > 2 ? argv[2] : "").split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        QFont font;
        if (font.fromString(description))
            fonts.append(font);
    }
    int placed = 0;
    for (const QString &widget : QString::fromLocal8Bit(argc > 1 ? argv[1] : "").split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString name = widget.section(QLatin1Char(':'), 0, 0);
        if (present.value(name) > 0) { // one of those the menus made
            --present[name];
            continue;
        }
        const QString size = widget.section(QLatin1Char(':'), 1);
        QWidget *w = makers.value(name, [&](int) { return new QWidget(area); })(placed);
        w->setGeometry((placed * 37) % 700, (placed * 13) % 370, size.section(QLatin1Char('x'), 0, 0).toInt(),
                       size.section(QLatin1Char('x'), 1).toInt());
        if (!fonts.isEmpty())
            w->setFont(fonts[placed % fonts.size()]);
        ++placed;
    }
    for (int i = 3; i < argc; ++i) { // the pictures, read the plain way from their PNG files
        auto *picture = new QLabel(area);
        picture->setPixmap(QPixmap(QString::fromLocal8Bit(argv[i])));
        picture->move((i * 180) % 600, 20);
        picture->resize(picture->pixmap().size());
    }
    QuitAfterFirstPaint quitter(&window);
    window.show();
    return app.exec();
}
