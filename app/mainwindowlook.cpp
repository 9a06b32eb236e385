#include "app/mainwindowlook.h"

#include <QCursor>

#include "app/tooltipdelaystyle.h"
#include "formats/widgets/dialogunits.h"
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
    return QPixmap(QString::fromLatin1(kSkin));
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
