#pragma once

// Timing helpers shared by the benchmarks: every call is timed on its own,
// candidates alternate call by call so they see the same machine, and a
// ratio is the median of the per-pair ratios, with its spread.
#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace Bench {

struct Spread
{
    double median = 0, low = 0, high = 0; // low/high: 10th and 90th percentile
};

inline Spread spread(std::vector<double> v)
{
    if (v.empty())
        return {};
    std::sort(v.begin(), v.end());
    const auto at = [&](double q) { return v[std::size_t(q * double(v.size() - 1) + 0.5)]; };
    return {at(0.5), at(0.1), at(0.9)};
}

// Microseconds of each call of each candidate; calls[c][i] is call i of
// candidate c. One warm-up call each first.
inline std::vector<std::vector<double>> timeCalls(const std::vector<std::function<void()>> &candidates, int calls)
{
    for (const auto &run : candidates)
        run();
    std::vector<std::vector<double>> out(candidates.size());
    QElapsedTimer timer;
    for (int i = 0; i < calls; ++i) {
        // Every other round in reverse, so that no candidate always comes first.
        for (std::size_t k = 0; k < candidates.size(); ++k) {
            const std::size_t c = i % 2 ? candidates.size() - 1 - k : k;
            timer.start();
            candidates[c]();
            out[c].push_back(double(timer.nsecsElapsed()) / 1000.0);
        }
    }
    return out;
}

// Per-call ratios a[i] / b[i].
inline std::vector<double> ratios(const std::vector<double> &a, const std::vector<double> &b)
{
    std::vector<double> r;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        r.push_back(b[i] > 0 ? a[i] / b[i] : 0);
    return r;
}

inline QString machineLoad()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readLine()).section(QLatin1Char(' '), 0, 2)
                                       : QStringLiteral("unknown");
}

inline void printLoad(const char *when)
{
    std::printf("machine load (1, 5, 15 min) %s: %s\n", when, qPrintable(machineLoad()));
}

// The goals, printed last; `make bench` gathers the lines starting "goal".
class Verdicts
{
public:
    void add(const QString &what, double value, double goal, const char *unit = "x")
    {
        char line[256];
        std::snprintf(line, sizeof line, "goal %-52s %8.2f%s (<= %.2f%s) %s", qPrintable(what), value, unit, goal, unit,
                      value <= goal ? "PASS" : "FAIL");
        m_lines.push_back(QString::fromLatin1(line));
        m_failed = m_failed || value > goal;
    }
    void skip(const QString &what, const QString &why)
    {
        m_lines.push_back(QStringLiteral("goal %1 SKIPPED (%2)").arg(what, why));
    }
    // Prints the lines; the exit status of the benchmark.
    int print() const
    {
        std::printf("\n");
        for (const QString &l : m_lines)
            std::printf("%s\n", qPrintable(l));
        return m_failed ? 1 : 0;
    }

private:
    std::vector<QString> m_lines;
    bool m_failed = false;
};

} // namespace Bench
