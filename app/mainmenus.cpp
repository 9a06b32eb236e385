#include "app/mainmenus.h"

namespace mainmenus {

namespace {

const BCMenuItem kSeparator{0, QString()};

} // namespace

QList<BCMenuItem> contextMenuItems()
{
    return {
        {32775, QStringLiteral("&Play Source")},
        {32781, QStringLiteral("Play &Destination")},
        kSeparator,
        {32786, QStringLiteral("&Convert Selected")},
        {32787, QStringLiteral("Convert All")},
        kSeparator,
        {32777, QStringLiteral("Browse &Source Folder")},
        {32780, QStringLiteral("Browse Destination &Folder")},
        kSeparator,
        {32773, QStringLiteral("&Add Files...\tCtrl+O")},
        {1024, QStringLiteral("Add F&older")},
        {32772, QStringLiteral("&Remove\tDel")},
        {1005, QStringLiteral("Remove Al&l")},
    };
}

QList<BCMenuItem> helpMenuItems()
{
    return {
        {57670, QStringLiteral("&Help Topics\tF1")},
        kSeparator,
        {32782, QStringLiteral("&Tell A Friend")},
        {32783, QStringLiteral("&Feedback and Support")},
        {32784, QStringLiteral("Home&page")},
        {32785, QStringLiteral("&Check Latest Version")},
        kSeparator,
        {1017, QStringLiteral("&About...")},
    };
}

QList<int> pictureCommands()
{
    return {32773, 32772, 32775, 32781, 57670, 32784, 32782, 32783, 32785, 1017};
}

BCMenu *createMenu(const QList<BCMenuItem> &items, QWidget *parent)
{
    BCMenu *menu = BCMenu::fromItems(items, parent);
    menu->loadToolbarImages(QString::fromLatin1(kPictureStrip), pictureCommands());
    return menu;
}

} // namespace mainmenus
