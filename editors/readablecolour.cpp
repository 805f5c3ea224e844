#include "readablecolour.h"

#include <QtMath>

namespace ReadableColour {

namespace {

double channel(double value)
{
    return value <= 0.04045 ? value / 12.92 : qPow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &c)
{
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

} // namespace

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor on(const QColor &background, const QColor &wanted)
{
    if (contrast(background, wanted) >= MinimumContrast)
        return wanted;
    // Against a light background darker text, against a dark one lighter, keeping the hue.
    const bool lightBackground = contrast(background, Qt::black) >= contrast(background, Qt::white);
    const QColor hsl = wanted.toHsl();
    float h = 0, s = 0, l = 0;
    hsl.getHslF(&h, &s, &l);
    QColor best = lightBackground ? QColor(Qt::black) : QColor(Qt::white);
    for (int step = 1; step <= 100; ++step) {
        const float to
            = lightBackground ? l * (1.0f - step / 100.0f) : l + (1.0f - l) * step / 100.0f;
        const QColor candidate = QColor::fromHslF(h, s, to).toRgb();
        if (contrast(background, candidate) >= MinimumContrast) {
            best = candidate;
            break;
        }
    }
    return best;
}

} // namespace ReadableColour
