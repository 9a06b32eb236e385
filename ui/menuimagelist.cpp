#include "ui/menuimagelist.h"

namespace {

bool isBackground(QRgb pixel, QRgb buttonFace)
{
    return qAlpha(pixel) == 0 || (qAlpha(pixel) == 255 && (pixel & 0xFFFFFF) == (buttonFace & 0xFFFFFF));
}

int lightenChannel(int c, double f)
{
    return int(c + (255 - c) * f);
}

// Applies rule to every pixel that is not background, keeping its alpha.
template <typename Rule>
QImage transformed(const QImage &source, const QColor &buttonFace, Rule rule)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = buttonFace.rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (isBackground(line[x], key))
                continue;
            const QColor out = rule(line[x]);
            line[x] = qRgba(out.red(), out.green(), out.blue(), qAlpha(line[x]));
        }
    }
    return image;
}

} // namespace

MenuImageList &MenuImageList::instance()
{
    static MenuImageList list;
    return list;
}

QColor MenuImageList::lighten(const QColor &colour, double f)
{
    return QColor(lightenChannel(colour.red(), f), lightenChannel(colour.green(), f),
                  lightenChannel(colour.blue(), f));
}

QColor MenuImageList::darken(const QColor &colour, double f)
{
    return QColor(int(colour.red() - colour.red() * f), int(colour.green() - colour.green() * f),
                  int(colour.blue() - colour.blue() * f));
}

QImage MenuImageList::fadedImage(const QImage &source, const QColor &buttonFace)
{
    return transformed(source, buttonFace, [](QRgb pixel) { return lighten(QColor(pixel), 0.3); });
}

QImage MenuImageList::shadowImage(const QImage &source, const QColor &buttonFace, const QColor &colour)
{
    return transformed(source, buttonFace, [&colour](QRgb) { return colour; });
}

QImage MenuImageList::disabledImage(const QImage &source, const QColor &buttonFace, const QColor &shadow)
{
    return transformed(source, buttonFace, [&shadow](QRgb pixel) {
        const int brightness = (qRed(pixel) + qGreen(pixel) + qBlue(pixel)) / 3;
        return lighten(shadow, brightness / 255.0);
    });
}

void MenuImageList::setPicture(int command, const QImage &picture, const QColor &buttonFace,
                               const QColor &shadow, bool xpLook)
{
    Entry entry;
    entry.variants[Normal] = picture.convertToFormat(QImage::Format_ARGB32);
    entry.variants[Faded] = fadedImage(picture, buttonFace);
    entry.variants[Shadow] = shadowImage(picture, buttonFace, xpLook ? shadow : lighten(shadow, 0.49));
    entry.variants[Disabled] = disabledImage(picture, buttonFace, shadow);
    m_pictures.insert(command, entry);
}

QImage MenuImageList::picture(int command, Variant variant) const
{
    const auto it = m_pictures.constFind(command);
    return it == m_pictures.constEnd() ? QImage() : it->variants[variant];
}
