#include "app/mainmenus.h"

#include <QCoreApplication>

#include "app/commandids.h"

namespace mainmenus {

using namespace commandid;

namespace {

const BCMenuItem kSeparator{0, QString()};

} // namespace

QList<BCMenuItem> contextMenuItems()
{
    return {
        {kPlaySource, QCoreApplication::translate("MainMenus", "&Play Source")},
        {kPlayDestination, QCoreApplication::translate("MainMenus", "Play &Destination")},
        kSeparator,
        {kConvertSelected, QCoreApplication::translate("MainMenus", "&Convert Selected")},
        {kConvertAll, QCoreApplication::translate("MainMenus", "Convert All")},
        kSeparator,
        {kBrowseSourceFolder, QCoreApplication::translate("MainMenus", "Browse &Source Folder")},
        {kBrowseDestinationFolder, QCoreApplication::translate("MainMenus", "Browse Destination &Folder")},
        kSeparator,
        {kAddFiles, QCoreApplication::translate("MainMenus", "&Add Files...\tCtrl+O")},
        {kAddFolder, QCoreApplication::translate("MainMenus", "Add F&older")},
        {kRemove, QCoreApplication::translate("MainMenus", "&Remove\tDel")},
        {kRemoveAll, QCoreApplication::translate("MainMenus", "Remove Al&l")},
        {kUndoRemove, QCoreApplication::translate("MainMenus", "&Undo Remove\tCtrl+Z")},
    };
}

QList<BCMenuItem> helpMenuItems()
{
    return {
        {kHelpTopics, QCoreApplication::translate("MainMenus", "&Help Topics\tF1")},
        kSeparator,
        {kTellAFriend, QCoreApplication::translate("MainMenus", "&Tell A Friend")},
        {kFeedbackAndSupport, QCoreApplication::translate("MainMenus", "&Feedback and Support")},
        {kHomepage, QCoreApplication::translate("MainMenus", "Home&page")},
        {kCheckLatestVersion, QCoreApplication::translate("MainMenus", "&Check Latest Version")},
        kSeparator,
        {kAbout, QCoreApplication::translate("MainMenus", "&About...")},
    };
}

QList<int> pictureCommands()
{
    return {kAddFiles, kRemove, kPlaySource, kPlayDestination, kHelpTopics,
            kHomepage, kTellAFriend, kFeedbackAndSupport, kCheckLatestVersion, kAbout};
}

BCMenu *createMenu(const QList<BCMenuItem> &items, QWidget *parent)
{
    BCMenu *menu = BCMenu::fromItems(items, parent);
    menu->loadToolbarImages(QString::fromLatin1(kPictureStrip), pictureCommands());
    return menu;
}

} // namespace mainmenus
