#pragma once

#include <QFont>
#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QString>

class ImageButton;
class QWidget;

// How the main window is dressed: its skin, the looks of its buttons, its icon
// and the quicker tooltips of its controls. MainWindowControls places the
// controls; these only give them their appearance.
namespace mainwindowlook {

inline constexpr const char *kSkin = ":/res/skin.png";
inline constexpr const char *kButton = ":/res/button.png";
inline constexpr const char *kButtonHot = ":/res/button_hot.png";
inline constexpr const char *kHelpIcon = ":/res/help.png";
inline constexpr const char *kMinimizeIcon = ":/res/minimize.png";
inline constexpr const char *kCloseIcon = ":/res/close.png";
inline constexpr int kToolTipDelayMs = 300;

// Makes the artwork compiled into the GUI library reachable. The resources sit
// in a static library, so nothing pulls them in unless this is called; calling
// it again does no harm.
void loadArtwork();

// The background skin, 699 x 538, at the screen's pixel ratio.
QPixmap skin();

// The parts of the skin that keep their size when it is stretched: the title
// with its logo and the left pane on one side, the title buttons' plate, the
// link strip and the borders on the other.
inline constexpr int kSkinFixedLeft = 260;
inline constexpr int kSkinFixedRight = 89;
inline constexpr int kSkinFixedTop = 300;
inline constexpr int kSkinFixedBottom = 48;
// The skin drawn at a window size of at least 699 x 538, at the given pixel ratio.
QPixmap stretchedSkin(const QPixmap &skin, const QSize &size, qreal ratio);
// The program icon at every size it is drawn in.
QIcon programIcon();

// The window's own face: 11-pixel characters of the dialog face, or a condensed
// stand-in where that one is missing.
QFont dialogFont();
// Bold 11-pixel characters in the dialog face, with a narrow face standing in
// where that one is missing.
QFont textButtonFont();
// The same, underlined.
QFont linkButtonFont();

// Add Files, Add Folder, Remove All, Convert, Options: the plate picture with a
// hot variant, dark grey caption one pixel above centre, no frame.
void dressTextButton(ImageButton *button, const QPixmap &skin);
// The web site's link: blue text turning red, underlined, no frame, no shift
// when pressed.
void dressLinkButton(ImageButton *button, const QPixmap &skin);
// Help, Minimize, Close: a centred 16 x 16 icon with a flat frame.
void dressIconButton(ImageButton *button, const QString &iconFile, const QPixmap &skin);

// Tooltips of the controls show kToolTipDelayMs after the mouse rests on them.
// The style doing it belongs to owner; call this after the controls exist, so
// that they are destroyed before it.
void setToolTipDelay(QWidget *owner, const QList<QWidget *> &controls);

} // namespace mainwindowlook
