// The font list: reading a folder into rows against fc-scan over the same
// files; opening the list on 2,000 generated fonts until the first screenful
// shows its samples; one audition step against a plain font choice through
// the open button; memory while scrolling through all rows three times.
#include "fontcorpus.h"
#include "measure.h"

#include "core/slottable.h"
#include "fonts/fontscan.h"
#include "support/scriptedchooser.h"
#include "ui/dialogs/fontaudition.h"
#include "ui/dialogs/fontlistwindow.h"
#include "ui/main/fontlistglue.h"
#include "ui/main/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <unistd.h>

namespace {

// Unpacked by `make bench` (scripts/bench-fonts.sh), or the installed package.
const QString notoFolder = qEnvironmentVariable("GLYPHMUX_BENCH_NOTO_FOLDER", QStringLiteral("/usr/share/fonts/truetype/noto"));

double rssMiB()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = f.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(::sysconf(_SC_PAGESIZE)) / (1 << 20) : 0;
}

// Runs the event loop until 'done' or 10 s.
template <typename F>
bool waitFor(F done)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

// Milliseconds of one read of 'folder' into rows, with every slot's characters.
double scanMs(const QString &folder, const QString &wanted, qsizetype *rows = nullptr)
{
    FontScanner scanner;
    qsizetype found = 0;
    QObject::connect(&scanner, &FontScanner::rowsFound, [&found](const QList<FontRow> &r) { found += r.size(); });
    bool finished = false;
    QObject::connect(&scanner, &FontScanner::finished, [&finished] { finished = true; });
    QElapsedTimer t;
    t.start();
    scanner.start({FontScanner::Source::Kind::Folder, folder, {}}, wanted);
    waitFor([&] { return finished; });
    if (rows)
        *rows = found;
    return double(t.nsecsElapsed()) / 1e6;
}

double fcScanMs(const QString &folder)
{
    QElapsedTimer t;
    t.start();
    QProcess fcScan;
    fcScan.setStandardOutputFile(QProcess::nullDevice());
    fcScan.start(QStringLiteral("fc-scan"), {QStringLiteral("--format"), QStringLiteral("%{family}\n"), folder});
    fcScan.waitForFinished(60000);
    return double(t.nsecsElapsed()) / 1e6;
}

// A list with no document behind it, for the opening and memory runs.
struct NoAudition final : FontAudition {
    void audition(std::size_t, const QString &) override {}
    void showOriginal() override {}
    void keep() override {}
    void cancel() override {}
};

// Paints the view until every visible row shows its sample (drawing
// yields to the event loop after a few milliseconds).
void paintAll(FontListWindow &list)
{
    do {
        list.view()->viewport()->repaint();
        QCoreApplication::processEvents();
    } while (list.model().drawingPostponed());
}

// How many rows the view shows at once.
int screenful(const QTableView &view)
{
    return view.viewport()->height() / std::max(1, view.verticalHeader()->defaultSectionSize()) + 1;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    Bench::Verdicts goals;
    Bench::printLoad("at start");

    ScriptedChooser chooser;
    MainWindow form(&chooser);
    FontListGlue &glue = form.fontList();
    QString wanted;
    for (std::size_t i = 0; i < SlotCount; ++i)
        wanted += glue.slotSample(i).needed;

    // 1. Reading a folder into rows, against fc-scan over the same files.
    if (QDir(notoFolder).entryList({QStringLiteral("*.ttf")}).size() < 100) {
        goals.skip(QStringLiteral("read noto-core into rows / fc-scan"), QStringLiteral("fonts-noto-core not installed"));
    } else {
        std::vector<double> ours, theirs;
        qsizetype rows = 0;
        for (int round = 0; round < 7; ++round) {
            // Every other round in reverse, so that neither always comes first.
            if (round % 2) {
                theirs.push_back(fcScanMs(notoFolder));
                ours.push_back(scanMs(notoFolder, wanted, &rows));
            } else {
                ours.push_back(scanMs(notoFolder, wanted, &rows));
                theirs.push_back(fcScanMs(notoFolder));
            }
        }
        const Bench::Spread ratio = Bench::spread(Bench::ratios(ours, theirs));
        std::printf("read %lld files of %s into rows: %.1f ms; fc-scan: %.1f ms; ratio %.2f (%.2f..%.2f)\n",
                    qlonglong(rows), qPrintable(notoFolder), Bench::spread(ours).median, Bench::spread(theirs).median,
                    ratio.median, ratio.low, ratio.high);
        goals.add(QStringLiteral("read noto-core into rows / fc-scan"), ratio.median, 0.5);
    }

    QTemporaryDir corpus;
    QElapsedTimer made;
    made.start();
    const QStringList files = FontCorpus::writeLatinSubsets(corpus.path(), 2000);
    if (files.size() != 2000) {
        std::printf("could not write the generated fonts\n");
        return 1;
    }
    std::printf("wrote 2,000 Latin subsets in %lld ms\n", made.elapsed());
    std::printf("read the 2,000 generated fonts into rows: %.1f ms\n", scanMs(corpus.path(), wanted));

    // 2. Opening the list until the first screenful shows its samples.
    {
        NoAudition none;
        std::vector<double> opening;
        for (int round = 0; round < 9; ++round) {
            QElapsedTimer t;
            t.start();
            FontListWindow list(none, chooser);
            list.slotSample = [&glue](std::size_t slot) { return glue.slotSample(slot); };
            list.setFolder(corpus.path());
            list.openFor(1, &form);
            const int rows = screenful(*list.view());
            waitFor([&] { return list.model().rowCount() >= rows; });
            paintAll(list);
            opening.push_back(double(t.nsecsElapsed()) / 1e6);
            if (round == 0)
                std::printf("first screenful: %d rows, %.1f KiB of samples\n", rows, double(list.model().cachedBytes()) / 1024);
            list.close();
        }
        const Bench::Spread s = Bench::spread(opening);
        std::printf("open the list on 2,000 fonts until the first screenful shows: %.1f ms (%.1f..%.1f)\n", s.median,
                    s.low, s.high);
        goals.add(QStringLiteral("open list on 2,000 fonts, first screenful drawn"), s.median, 150, " ms");
    }

    // 3. One audition step against a plain font choice through the open button.
    {
        form.show();
        const std::size_t slot = 1;
        glue.open(slot);
        FontListWindow *list = glue.window();
        list->setFolder(corpus.path());
        waitFor([&] { return !list->scanner().running(); });
        QTableView *view = list->view();
        view->setCurrentIndex(list->filter().index(0, 0));
        auto *open = form.findChild<QPushButton *>(QLatin1String(slotTable()[slot].openButton));
        int step = 0, choice = 0;
        const auto times = Bench::timeCalls({
            [&] {
                QTest::keyClick(view, (step++ / 20) % 2 ? Qt::Key_Up : Qt::Key_Down);
                form.repaint();
            },
            [&] {
                chooser.answer(files[(choice++ % 20) + 100]);
                open->click();
                form.repaint();
            },
        }, 200);
        const Bench::Spread ratio = Bench::spread(Bench::ratios(times[0], times[1]));
        std::printf("audition step: %.0f us; font choice through the open button: %.0f us; ratio %.2f (%.2f..%.2f)\n",
                    Bench::spread(times[0]).median, Bench::spread(times[1]).median, ratio.median, ratio.low, ratio.high);
        goals.add(QStringLiteral("audition step / font choice by the open button"), ratio.median, 1.2);
        list->close();
    }

    // 4. Memory while scrolling three times through all rows.
    {
        NoAudition none;
        const double before = rssMiB();
        std::vector<double> after;
        {
            FontListWindow list(none, chooser);
            list.slotSample = [&glue](std::size_t slot) { return glue.slotSample(slot); };
            list.setFolder(corpus.path());
            list.openFor(1, &form);
            waitFor([&] { return !list.scanner().running(); });
            QScrollBar *bar = list.view()->verticalScrollBar();
            for (int pass = 0; pass < 3; ++pass) {
                for (int at = 0; at <= bar->maximum(); at += std::max(1, bar->pageStep())) {
                    bar->setValue(at);
                    paintAll(list);
                }
                bar->setValue(0);
                after.push_back(rssMiB());
            }
            std::printf("sample cache after scrolling: %.1f MiB\n", double(list.model().cachedBytes()) / (1 << 20));
            list.close();
        }
        std::printf("resident memory: %.1f MiB before, after each pass %.1f, %.1f, %.1f MiB\n", before, after[0],
                    after[1], after[2]);
        goals.add(QStringLiteral("extra memory after scrolling 3 x 2,000 rows"), after[2] - before, 64, " MiB");
        goals.add(QStringLiteral("memory growth from pass 1 to pass 3"), after[2] - after[0], 1, " MiB");
    }

    Bench::printLoad("at end");
    return goals.print();
}
