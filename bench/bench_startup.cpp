// Whole-process start-up of the editor against a plain Qt main window with
// the same menus, kinds and numbers of widgets and pictures: time from exec
// to the first painted window, and peak memory; with --instructions, the
// instructions each executes (callgrind), which a busy machine does not move.
// Prints the goals last.
#include "measure.h"

#include "ui/main/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMap>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <chrono>
#include <cstdio>
#include <cstring>
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

// The editor's widgets by Qt class with their sizes ("QLabel:97x33,...";
// pictures apart), the fonts they use, and the picture files of as many
// pictures as it shows.
std::vector<std::string> referenceArguments()
{
    MainWindow window;
    QMap<QString, int> kinds;
    QStringList sized;
    int pictures = 0;
    QStringList fonts; // each font the editor's widgets are drawn with, once
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (!fonts.contains(w->font().toString()))
            fonts.append(w->font().toString());
        const auto *label = qobject_cast<QLabel *>(w);
        if (label && !label->pixmap().isNull()) {
            ++pictures;
            continue;
        }
        const QMetaObject *m = w->metaObject();
        while (m->superClass() && !QByteArray(m->className()).startsWith('Q'))
            m = m->superClass();
        ++kinds[QLatin1String(m->className())];
        sized.append(QStringLiteral("%1:%2x%3").arg(QLatin1String(m->className())).arg(w->width()).arg(w->height()));
    }
    QStringList list;
    for (auto it = kinds.begin(); it != kinds.end(); ++it)
        list.append(QStringLiteral("%1=%2").arg(it.key()).arg(it.value()));
    std::printf("editor widgets: %s; pictures: %d; fonts: %lld\n", qPrintable(list.join(QLatin1Char(' '))), pictures,
                fonts.size());
    std::vector<std::string> args = {sized.join(QLatin1Char(',')).toStdString(), fonts.join(QLatin1Char('|')).toStdString()};
    const char *files[] = {"standby", "popup", "menu", "sms", "sms-editor"};
    for (int i = 0; i < pictures && i < 5; ++i)
        args.push_back(std::string(GLYPHMUX_SOURCE_DIR "/resources/preview/") + files[i] + ".png");
    return args;
}

// Instructions one start-up executes, counted by callgrind; 0 when it is missing.
double instructions(const std::string &program, const std::vector<std::string> &args)
{
    std::string command = "valgrind --tool=callgrind --callgrind-out-file=/dev/null " + program;
    for (const std::string &a : args)
        command += " '" + a + "'";
    command += " 2>&1";
    FILE *out = popen(command.c_str(), "r");
    if (!out)
        return 0;
    char line[512];
    double collected = 0;
    while (std::fgets(line, sizeof line, out)) {
        if (const char *at = std::strstr(line, "Collected :"))
            collected = std::strtod(at + 11, nullptr);
    }
    pclose(out);
    return collected;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool countInstructions = argc > 1 && std::strcmp(argv[1], "--instructions") == 0;
    std::vector<std::string> referenceArgs;
    std::string dir;
    {
        QApplication app(argc, argv);
        dir = QCoreApplication::applicationDirPath().toStdString();
        QTemporaryDir scratch;
        QDir::setCurrent(scratch.path());
        referenceArgs = referenceArguments();
    }
    QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());
    const std::string editor = dir + "/startup_glyphmux";
    const std::string reference = dir + "/startup_reference";
    Bench::Verdicts goals;
    Bench::printLoad("at start");

    if (countInstructions) {
        const double e = instructions(editor, {}), r = instructions(reference, referenceArgs);
        if (e <= 0 || r <= 0) {
            std::fprintf(stderr, "callgrind did not run (install valgrind)\n");
            return 1;
        }
        std::printf("instructions to first paint: editor %.0f, reference %.0f\n", e, r);
        goals.add(QStringLiteral("start-up instructions / reference"), e / r, 1.15);
        return goals.print();
    }

    const int rounds = 31;
    std::vector<double> editorMs, referenceMs, timeRatios, rssRatios;
    runOnce(editor, {}); // warm the page cache for both
    runOnce(reference, referenceArgs);
    for (int i = 0; i < rounds; ++i) {
        // Each goes first every other round, so neither gains by its place.
        Run e, r;
        if (i % 2 == 0) {
            e = runOnce(editor, {});
            r = runOnce(reference, referenceArgs);
        } else {
            r = runOnce(reference, referenceArgs);
            e = runOnce(editor, {});
        }
        editorMs.push_back(e.milliseconds);
        referenceMs.push_back(r.milliseconds);
        timeRatios.push_back(e.milliseconds / r.milliseconds);
        rssRatios.push_back(double(e.peakKilobytes) / double(r.peakKilobytes));
    }
    const Bench::Spread time = Bench::spread(timeRatios), rss = Bench::spread(rssRatios);
    std::printf("editor:    %.1f ms to first paint (median of %d)\n", median(editorMs), rounds);
    std::printf("reference: %.1f ms to first paint\n", median(referenceMs));
    std::printf("ratios: time %.2f [%.2f..%.2f], rss %.2f [%.2f..%.2f]\n", time.median, time.low, time.high, rss.median,
                rss.low, rss.high);
    Bench::printLoad("at end");
    goals.add(QStringLiteral("start-up time / reference"), time.median, 1.15);
    goals.add(QStringLiteral("start-up RSS / reference"), rss.median, 1.15);
    return goals.print();
}
