#include "core/richtext/fontsizes.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace taglund {

const QList<int> &scalableFontSizes()
{
    static const QList<int> sizes{8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
    return sizes;
}

QList<int> bitmapFontSizes(const QList<BitmapFontSize> &sizes, int dpiY)
{
    if (dpiY <= 0)
        dpiY = 96;  // a screen that reports no resolution must not divide by zero
    QList<int> out;
    for (const BitmapFontSize &s : sizes) {
        const int points = int(std::lround((s.cellHeight - s.internalLeading) * 72.0 / dpiY));
        if (points > 0)
            out.append(points);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

QList<int> fontSizeList(const QString &family)
{
    if (!QFontDatabase::hasFamily(family) || QFontDatabase::isSmoothlyScalable(family))
        return scalableFontSizes();
    QList<BitmapFontSize> sizes;
    for (int pt : QFontDatabase::pointSizes(family)) {
        QFont f(family);
        f.setPointSize(pt);
        const QFontMetrics fm(f);
        const QFontInfo fi(f);
        sizes.append({fm.height(), fm.height() - fi.pixelSize()});
    }
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QList<int> out = bitmapFontSizes(sizes, screen ? int(std::lround(screen->logicalDotsPerInchY())) : 96);
    return out.isEmpty() ? scalableFontSizes() : out;
}

double sizeToSelect(const QList<int> &sizes, double keep)
{
    if (sizes.isEmpty())
        return keep;
    const double whole = std::round(keep);
    if (whole == keep && sizes.contains(int(whole)))
        return keep;
    return sizes.first();
}

} // namespace taglund
