// Grabs the main window into PNG files for the README, offscreen: as it
// starts, with faces, a size, an italic switch and the zoom changed, and
// with a slot's font details and warnings.
#include "ui/main/mainwindow.h"
#include "ui/dialogs/fontdetailswindow.h"
#include "ui/dialogs/fontlistwindow.h"
#include "ui/main/fontlistglue.h"
#include "ui/main/slotfontinfo.h"
#include "ui/services/filechooser.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
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
    bool chooseFolder(QWidget *parent, FileDialogState &state) override { return chooseFile(parent, state); }

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

// A font without the Italian accents in slot 1, a refused file in slot 2,
// and the details window of slot 1 beside the main window.
bool saveSideBySide(QWidget &left, QWidget &right, const QString &file)
{
    QApplication::processEvents();
    const QPixmap main = left.grab(), side = right.grab();
    QPixmap both(main.width() + 16 + side.width(), std::max(main.height(), side.height()));
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawPixmap(0, 0, main);
    painter.drawPixmap(main.width() + 16, 0, side);
    painter.end();
    if (!both.save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

// The font list on the DejaVu folder, aimed at LatinBold13, its fourth face
// tried on the phone screens.
bool fontListShot(const QString &file)
{
    ListedFiles files({});
    MainWindow window(&files);
    window.show();
    window.fontList().open(1);
    FontListWindow *list = window.fontList().window();
    list->resize(720, 420);
    list->setFolder(QStringLiteral("/usr/share/fonts/truetype/dejavu"));
    for (int i = 0; i < 500 && list->scanner().running(); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    list->view()->setCurrentIndex(list->filter().index(3, 0));
    return saveSideBySide(window, *list, file);
}

bool fontDetailsShot(const QString &file)
{
    QFile notAFont(QStringLiteral("notes.ttf"));
    if (!notAFont.open(QIODevice::WriteOnly) || notAFont.write("plain text\n") < 0)
        return false;
    notAFont.close();
    ListedFiles files({QStringLiteral("/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf"),
                       QFileInfo(notAFont).absoluteFilePath()});
    MainWindow window(&files);
    window.show();
    for (const char *open : {"Apri1", "Apri2"})
        control<QPushButton>(window, open)->click();
    window.fontInfo().showDetails(0);
    return saveSideBySide(window, *window.fontInfo().detailsWindow(), file);
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
    if (!save(window, outDir + QStringLiteral("/main-window-faces.png")))
        return 1;
    if (!fontListShot(outDir + QStringLiteral("/font-list.png")))
        return 1;
    return fontDetailsShot(outDir + QStringLiteral("/font-details.png")) ? 0 : 1;
}
