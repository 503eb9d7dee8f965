// One preview refresh after a keystroke in a face field, with a face name
// never seen before, rendering included; against a reference that paints the
// same pictures and 30 texts with one QPainter. Prints medians and the ratio.
// The ratio compares wall time, which load moves alike for both; the time of
// one refresh is the thread's own CPU time, which other programs do not move.
#include "measure.h"

#include "core/slottable.h"
#include "preview/phonepreview.h"
#include "preview/previewlabels.h"
#include "ui/main/mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int Warmup = 20;
constexpr int Rounds = 300;

// Microseconds of CPU time this thread has used.
double threadMicros()
{
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

double micros(Clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

QString unseenFace(int round)
{
    return QStringLiteral("Unseen Face %1").arg(round, 6, 10, QLatin1Char('0'));
}

// What the preview shows, painted by hand: pictures, outlines, 30 texts in
// their boxes. The changed slot's texts use the same unseen face, so both
// sides pay for looking it up.
class Reference
{
public:
    explicit Reference(PhonePreview &preview)
        : m_size(preview.size())
    {
        for (const char *name : {"Image1", "Image2", "Image3", "Image4", "Image5"}) {
            const auto *picture = preview.findChild<QLabel *>(QLatin1String(name));
            m_pictures.push_back({picture->pos(), picture->pixmap()});
        }
        for (std::size_t i = 0; i < PreviewLabelCount; ++i) {
            const QLabel *label = preview.label(i);
            m_texts.push_back({label->geometry(), label->text(), label->font(), int(label->alignment()),
                               slotOfPreviewLabel(previewLabelTable()[i].name)});
        }
        m_colour = preview.textColour();
    }

    QPixmap paint(int slot, const QString &face)
    {
        QPixmap canvas(m_size);
        canvas.fill(QColor(240, 240, 240));
        QPainter painter(&canvas);
        for (const auto &[at, pixmap] : m_pictures)
            painter.drawPixmap(at, pixmap);
        painter.setPen(Qt::black);
        for (int i = 0; i < ScreenCount; ++i)
            painter.drawRect(QRect(screenOrigin(i), QSize(ScreenWidth, ScreenHeight)));
        painter.setPen(m_colour);
        for (const Text &text : m_texts) {
            QFont font = text.font;
            if (text.slot == slot)
                font.setFamily(face);
            painter.setFont(font);
            painter.drawText(text.box, text.flags, text.caption);
        }
        return canvas;
    }

private:
    struct Picture {
        QPoint at;
        QPixmap pixmap;
    };
    struct Text {
        QRect box;
        QString caption;
        QFont font;
        int flags;
        int slot;
    };
    QSize m_size;
    std::vector<Picture> m_pictures;
    std::vector<Text> m_texts;
    QColor m_colour;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The window reads and writes its settings in the current directory.
    QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());

    MainWindow window;
    window.show();
    app.processEvents();
    PhonePreview &preview = window.preview();
    Reference reference(preview);

    std::printf("preview refresh after one keystroke with an unseen face, grab() included\n");
    double worstRatio = 0;
    double worstMedian = 0;
    double worstCpu = 0;
    int round = 0;
    for (std::size_t slot = 0; slot < SlotCount; ++slot) {
        auto *field = window.findChild<QLineEdit *>(QLatin1String(slotTable()[slot].key));
        std::vector<double> refresh, painted, cpu;
        for (int i = 0; i < Warmup + Rounds; ++i, ++round) {
            // Between two keystrokes the event loop runs (and trims font caches).
            QCoreApplication::processEvents();
            // Everything but the last letter, unseen by the preview.
            const QString face = unseenFace(round);
            {
                const QSignalBlocker quiet(field);
                field->setText(face.chopped(1));
            }
            const double cpuStart = threadMicros();
            auto start = Clock::now();
            field->insert(face.right(1));
            const QPixmap shown = preview.grab();
            const auto refreshTime = Clock::now() - start;
            const double refreshCpu = threadMicros() - cpuStart;

            start = Clock::now();
            const QPixmap drawn = reference.paint(int(slot), unseenFace(round + 1000000));
            const auto paintTime = Clock::now() - start;
            if (shown.isNull() || drawn.isNull())
                return 1;
            if (i >= Warmup) {
                refresh.push_back(micros(refreshTime));
                painted.push_back(micros(paintTime));
                cpu.push_back(refreshCpu);
            }
        }
        const double ours = median(refresh);
        const double theirs = median(painted);
        std::printf("  %-12s preview %7.0f us (CPU %5.0f us)   one QPainter %7.0f us   ratio %.2f\n",
                    slotTable()[slot].key, ours, median(cpu), theirs, ours / theirs);
        worstRatio = std::max(worstRatio, ours / theirs);
        worstMedian = std::max(worstMedian, ours);
        worstCpu = std::max(worstCpu, median(cpu));
        const QSignalBlocker quiet(field);
        field->clear();
    }
    std::printf("slowest slot: median %.0f us (CPU %.0f us), worst ratio %.2f\n", worstMedian, worstCpu, worstRatio);
    Bench::printLoad("at end");
    Bench::Verdicts goals;
    goals.add(QStringLiteral("keystroke refresh / one QPainter, worst slot"), worstRatio, 2.0);
    goals.add(QStringLiteral("keystroke refresh, slowest slot, CPU ms"), worstCpu / 1000, 2.0, "");
    return goals.print();
}
