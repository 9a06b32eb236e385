#pragma once

#include <QColor>
#include <QHash>
#include <QImage>

// The pictures of the owner-drawn menus, shared by every BCMenu of the program:
// one 16 x 15 picture per command, each kept with its faded, shadow and disabled
// variants. Pixels of the button-face colour, and fully transparent ones, are the
// background and stay as they are in every variant.
class MenuImageList {
public:
    static constexpr int kWidth = 16;
    static constexpr int kHeight = 15;

    enum Variant { Normal = 0, Faded = 1, Shadow = 2, Disabled = 3 };

    static MenuImageList &instance();

    // Stores the picture for a command, replacing an earlier one in place. The
    // variants are made with the given colours: buttonFace is the background key,
    // shadow the button shadow colour; xpLook picks the shadow variant's colour.
    void setPicture(int command, const QImage &picture, const QColor &buttonFace, const QColor &shadow,
                    bool xpLook = false);
    bool hasPicture(int command) const { return m_pictures.contains(command); }
    // A null image when the command has no picture.
    QImage picture(int command, Variant variant) const;
    int count() const { return int(m_pictures.size()); }
    void clear() { m_pictures.clear(); }

    // c + (255 - c) x f on each of red, green and blue, cut to an integer.
    static QColor lighten(const QColor &colour, double f);
    // c - c x f on each channel, cut to an integer.
    static QColor darken(const QColor &colour, double f);

    // The variants, pixel by pixel (background pixels kept, alpha kept):
    // faded: every pixel lightened by 0.3;
    static QImage fadedImage(const QImage &source, const QColor &buttonFace);
    // shadow: every pixel the given colour;
    static QImage shadowImage(const QImage &source, const QColor &buttonFace, const QColor &colour);
    // disabled: the shadow colour lightened by the pixel's brightness
    // ((r + g + b) / 3 / 255), so black becomes the shadow colour and white near white.
    static QImage disabledImage(const QImage &source, const QColor &buttonFace, const QColor &shadow);

private:
    struct Entry {
        QImage variants[4];
    };
    QHash<int, Entry> m_pictures;
};
