#include "options/widgets/dialogunits.h"

#include <QFontDatabase>
#include <QStringList>

#include <cmath>

namespace {

int horizontal(int units)
{
    return static_cast<int>(std::lround(units * 1.5));
}

int vertical(int units)
{
    return static_cast<int>(std::lround(units * 13.0 / 8.0));
}

} // namespace

QRect dluRect(int left, int top, int width, int height)
{
    const int x = horizontal(left);
    const int y = vertical(top);
    // Right and bottom edges are converted too, so neighbours never overlap by rounding.
    return QRect(x, y, horizontal(left + width) - x, vertical(top + height) - y);
}

QSize dluSize(int width, int height)
{
    return {horizontal(width), vertical(height)};
}

QFont optionsFont()
{
    QFont font;
    font.setPixelSize(11);
    const QStringList available = QFontDatabase::families();
    if (available.contains(QStringLiteral("Tahoma"), Qt::CaseInsensitive)) {
        font.setFamily(QStringLiteral("Tahoma"));
        return font;
    }
    // Without Tahoma, a condensed sans-serif face keeps the texts inside the
    // rectangles drawn for Tahoma's narrow letters.
    for (const char *family : {"DejaVu Sans", "Liberation Sans Narrow", "Noto Sans"}) {
        if (available.contains(QString::fromLatin1(family), Qt::CaseInsensitive)) {
            font.setFamily(QString::fromLatin1(family));
            break;
        }
    }
    font.setStretch(QFont::Condensed);
    return font;
}
