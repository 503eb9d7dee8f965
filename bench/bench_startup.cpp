// Whole-process start-up of the editor against a bare Qt main window with
// the same number of widgets: time from exec to the first painted window,
// and peak memory. Prints both ratios last.
#include "ui/main/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <chrono>
#include <cstdio>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run {
    double milliseconds = 0;
    long peakKilobytes = 0;
};

Run runOnce(const std::string &program, const std::vector<std::string> &args)
{
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(program.c_str()));
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // Qt's start-up chatter would drown the figures.
        if (std::freopen("/dev/null", "w", stderr) == nullptr)
            _exit(126);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", program.c_str(), status);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int widgetCountOfEditor()
{
    MainWindow window;
    return int(window.findChildren<QWidget *>().size());
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int children = 0;
    std::string dir;
    {
        QApplication app(argc, argv);
        dir = QCoreApplication::applicationDirPath().toStdString();
        QTemporaryDir scratch;
        QDir::setCurrent(scratch.path());
        children = widgetCountOfEditor();
    }
    QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());

    const std::string editor = dir + "/startup_glyphmux";
    const std::string reference = dir + "/startup_reference";
    const std::vector<std::string> referenceArgs = {std::to_string(children)};
    const int rounds = 21;
    std::vector<double> editorMs, referenceMs;
    std::vector<long> editorKb, referenceKb;
    runOnce(editor, {}); // warm the page cache for both
    runOnce(reference, referenceArgs);
    for (int i = 0; i < rounds; ++i) {
        const Run e = runOnce(editor, {});
        const Run r = runOnce(reference, referenceArgs);
        editorMs.push_back(e.milliseconds);
        referenceMs.push_back(r.milliseconds);
        editorKb.push_back(e.peakKilobytes);
        referenceKb.push_back(r.peakKilobytes);
    }
    const double em = median(editorMs), rm = median(referenceMs);
    const long ek = median(editorKb), rk = median(referenceKb);
    std::printf("widgets: %d\n", children);
    std::printf("editor:    %.1f ms to first paint, %ld KiB peak RSS (median of %d)\n", em, ek, rounds);
    std::printf("reference: %.1f ms to first paint, %ld KiB peak RSS\n", rm, rk);
    std::printf("startup ratios: time %.2f, rss %.2f\n", em / rm, double(ek) / double(rk));
    return 0;
}
