#pragma once

#include "ui/bcmenu.h"

#include <QList>

// The main window's two popup menus: their items with command ids, and the
// commands of the menu pictures in the order of the strip ":/res/menupictures.png".

namespace mainmenus {

inline constexpr const char *kPictureStrip = ":/res/menupictures.png";

// The context menu over the file list.
QList<BCMenuItem> contextMenuItems();
// The help menu of the help button.
QList<BCMenuItem> helpMenuItems();
// Add Files, Remove, Play Source, Play Destination, Help Topics, Homepage,
// Tell A Friend, Feedback and Support, Check Latest Version, About.
QList<int> pictureCommands();

// A menu built from the items with its pictures taken from the strip.
BCMenu *createMenu(const QList<BCMenuItem> &items, QWidget *parent = nullptr);

} // namespace mainmenus
