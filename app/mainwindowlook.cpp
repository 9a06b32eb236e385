#include "app/mainwindowlook.h"

#include <QCursor>
#include <QPainter>

#include "app/tooltipdelaystyle.h"
#include "options/widgets/dialogunits.h"
#include "ui/artwork.h"
#include "ui/imagebutton.h"

// Outside any namespace: the macro declares the resource's init function.
static void initSonavertResources()
{
    Q_INIT_RESOURCE(sonavert);
}

namespace mainwindowlook {

namespace {

const QColor kButtonText(0x35, 0x35, 0x35);
const QColor kLinkText(0x00, 0x00, 0xFF);
const QColor kLinkHotText(0xFF, 0x00, 0x00);

void dressCommon(ImageButton *button, const QPixmap &skin)
{
    button->setParentBackground(skin, false);
    button->setCursor(Qt::PointingHandCursor);
    button->setDrawFocusRect(true, false);
    // The caption is drawn by the button; the mnemonic still works.
    button->setAccessibleName(button->toolTip());
}

} // namespace

void loadArtwork()
{
    initSonavertResources();
}

QPixmap skin()
{
    loadArtwork();
    return artwork::pixmap(QString::fromLatin1(kSkin));
}

QPixmap stretchedSkin(const QPixmap &skin, const QSize &size, qreal ratio)
{
    QPixmap out(size * ratio);
    out.setDevicePixelRatio(ratio);
    if (skin.isNull()) {
        out.fill(Qt::white);
        return out;
    }
    // Three columns and three rows of the skin; the corners keep their size,
    // the middle pieces stretch over the extra room. The middle column and row
    // cross only plain gradients and straight borders, so stretching keeps them
    // clean.
    const QSize base = skin.deviceIndependentSize().toSize();
    const int xs[] = {0, kSkinFixedLeft, base.width() - kSkinFixedRight, base.width()};
    const int ys[] = {0, kSkinFixedTop, base.height() - kSkinFixedBottom, base.height()};
    const int xt[] = {0, kSkinFixedLeft, size.width() - kSkinFixedRight, size.width()};
    const int yt[] = {0, kSkinFixedTop, size.height() - kSkinFixedBottom, size.height()};
    const qreal sourceRatio = skin.devicePixelRatio();
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QRectF target(xt[column], yt[row], xt[column + 1] - xt[column], yt[row + 1] - yt[row]);
            const QRectF source(xs[column] * sourceRatio, ys[row] * sourceRatio,
                                (xs[column + 1] - xs[column]) * sourceRatio,
                                (ys[row + 1] - ys[row]) * sourceRatio);
            if (!target.isEmpty())
                p.drawPixmap(target, skin, source);
        }
    }
    return out;
}

QIcon programIcon()
{
    loadArtwork();
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/res/appicon_%1.png").arg(size), QSize(size, size));
    return icon;
}

QFont dialogFont()
{
    return optionsFont();
}

QFont textButtonFont()
{
    // The dialog face, or a condensed stand-in of the same height: the wide
    // faces crowd "Remove All" and the site's host name.
    QFont font = optionsFont();
    font.setWeight(QFont::Bold);
    return font;
}

QFont linkButtonFont()
{
    QFont font = textButtonFont();
    font.setUnderline(true);
    return font;
}

void dressTextButton(ImageButton *button, const QPixmap &skin)
{
    loadArtwork();
    button->setFrame(false, false);
    button->setPressOffset(true, false);
    button->setBitmaps(QString::fromLatin1(kButton), QString::fromLatin1(kButtonHot), true, false);
    button->setButtonFont(textButtonFont(), false);
    button->setTextColours(kButtonText, kButtonText, false);
    button->setTextOffset(0, -1, false);
    dressCommon(button, skin);
    button->update();
}

void dressLinkButton(ImageButton *button, const QPixmap &skin)
{
    button->setFrame(false, false);
    button->setPressOffset(false, false);
    button->setButtonFont(linkButtonFont(), false);
    button->setTextColours(kLinkText, kLinkHotText, false);
    dressCommon(button, skin);
    button->update();
}

void dressIconButton(ImageButton *button, const QString &iconFile, const QPixmap &skin)
{
    loadArtwork();
    button->setText(QString());
    button->setFrame(true, false);
    button->setFlat(true, false);
    // The layout gives these their size; the icon sits in the middle.
    button->setIcons(iconFile, QString(), false, false);
    dressCommon(button, skin);
    button->update();
}

void setToolTipDelay(QWidget *owner, const QList<QWidget *> &controls)
{
    auto *style = new ToolTipDelayStyle(kToolTipDelayMs);
    style->setParent(owner);
    for (QWidget *control : controls)
        control->setStyle(style);
}

} // namespace mainwindowlook
