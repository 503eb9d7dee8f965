// Grabs the main window into PNG files for the README, offscreen: as it
// starts, and with faces, a size, an italic switch and the zoom changed.
#include "ui/main/mainwindow.h"
#include "ui/services/filechooser.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Answers each open dialog with the next file of a list.
class ListedFiles final : public FileChooser
{
public:
    explicit ListedFiles(QStringList files) : m_files(std::move(files)) {}
    bool chooseFile(QWidget *, FileDialogState &state) override
    {
        if (m_files.isEmpty())
            return false;
        state.fileName = m_files.takeFirst();
        return true;
    }

private:
    QStringList m_files;
};

bool save(QWidget &window, const QString &file)
{
    QApplication::processEvents();
    if (!window.grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

template <typename T>
T *control(const QWidget &window, const char *name)
{
    return window.findChild<T *>(QLatin1String(name));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString outDir = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")).absolutePath();
    QDir().mkpath(outDir);
    const QString language = argc > 2 ? QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath() : QString();

    // The window reads and writes its settings in the current directory.
    QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());
    // An optional language file is applied as if chosen in an earlier run.
    if (!language.isEmpty()) {
        QFile settings(QStringLiteral("settings.fs"));
        if (settings.open(QIODevice::WriteOnly))
            settings.write("True|" + language.toUtf8() + "\r\n");
    }

    {
        MainWindow window;
        window.show();
        if (!save(window, outDir + QStringLiteral("/main-window.png")))
            return 1;
    }

    const QString dejaVu = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
    ListedFiles files({dejaVu + QStringLiteral("DejaVuSerif.ttf"), dejaVu + QStringLiteral("DejaVuSerif-Bold.ttf"),
                       dejaVu + QStringLiteral("DejaVuSansMono.ttf")});
    MainWindow window(&files);
    window.show();
    for (const char *open : {"Apri1", "Apri2", "Apri5"})
        control<QPushButton>(window, open)->click();
    for (int i = 0; i < 3; ++i)
        control<QPushButton>(window, "Command6")->click(); // LatinBold13 size up
    control<QCheckBox>(window, "IT3")->setChecked(true);
    control<QScrollBar>(window, "chromascroll")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    control<QScrollBar>(window, "ScrollZoom")->setValue(120);
    return save(window, outDir + QStringLiteral("/main-window-faces.png")) ? 0 : 1;
}
