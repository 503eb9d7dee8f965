#include "preview/previewmath.h"

#include <QLocale>

#include <array>
#include <cmath>

std::optional<float> previewPointSize(double sizeValue, int offset, double zoomPercent)
{
    const double factor = zoomPercent / 100.0;
    const double points = (sizeValue - offset) * factor;
    const auto rounded = static_cast<float>(points);
    if (!(rounded > 0.0f) || !std::isfinite(rounded))
        return std::nullopt;
    return rounded;
}

int chromaGrey(double chroma)
{
    struct Band {
        double from;
        int grey;
    };
    // Each band runs from its lower bound up to the next band's bound.
    static constexpr std::array<Band, 11> bands = {{
        {97, 0}, {90, 32}, {80, 53}, {70, 78}, {60, 100}, {50, 123},
        {40, 153}, {30, 180}, {20, 202}, {10, 223}, {0, 250},
    }};
    for (const Band &band : bands) {
        if (chroma >= band.from)
            return band.grey;
    }
    return 0;
}

std::optional<double> chromaNumber(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(QStringView(text).trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}
