#include "app/mainmenus.h"

#include <QCoreApplication>

#include "app/commandids.h"

namespace mainmenus {


namespace {

const BCMenuItem kSeparator{0, QString()};

} // namespace

QList<BCMenuItem> contextMenuItems()
{
    return {
        {menuId(Command::PlaySource), QCoreApplication::translate("MainMenus", "&Play Source")},
        {menuId(Command::PlayDestination), QCoreApplication::translate("MainMenus", "Play &Destination")},
        kSeparator,
        {menuId(Command::ConvertSelected), QCoreApplication::translate("MainMenus", "&Convert Selected")},
        {menuId(Command::ConvertAll), QCoreApplication::translate("MainMenus", "Convert All")},
        kSeparator,
        {menuId(Command::BrowseSourceFolder), QCoreApplication::translate("MainMenus", "Browse &Source Folder")},
        {menuId(Command::BrowseDestinationFolder), QCoreApplication::translate("MainMenus", "Browse Destination &Folder")},
        kSeparator,
        {menuId(Command::AddFiles), QCoreApplication::translate("MainMenus", "&Add Files...\tCtrl+O")},
        {menuId(Command::AddFolder), QCoreApplication::translate("MainMenus", "Add F&older")},
        {menuId(Command::Remove), QCoreApplication::translate("MainMenus", "&Remove\tDel")},
        {menuId(Command::RemoveAll), QCoreApplication::translate("MainMenus", "Remove Al&l")},
        {menuId(Command::UndoRemove), QCoreApplication::translate("MainMenus", "&Undo Remove\tCtrl+Z")},
    };
}

QList<BCMenuItem> helpMenuItems()
{
    return {
        {menuId(Command::HelpTopics), QCoreApplication::translate("MainMenus", "&Help Topics\tF1")},
        kSeparator,
        {menuId(Command::TellAFriend), QCoreApplication::translate("MainMenus", "&Tell A Friend")},
        {menuId(Command::FeedbackAndSupport), QCoreApplication::translate("MainMenus", "&Feedback and Support")},
        {menuId(Command::Homepage), QCoreApplication::translate("MainMenus", "Home&page")},
        {menuId(Command::CheckLatestVersion), QCoreApplication::translate("MainMenus", "&Check Latest Version")},
        kSeparator,
        {menuId(Command::About), QCoreApplication::translate("MainMenus", "&About...")},
    };
}

QList<int> pictureCommands()
{
    QList<int> ids;
    for (Command command : {Command::AddFiles, Command::Remove, Command::PlaySource, Command::PlayDestination,
                            Command::HelpTopics, Command::Homepage, Command::TellAFriend, Command::FeedbackAndSupport,
                            Command::CheckLatestVersion, Command::About})
        ids << menuId(command);
    return ids;
}

BCMenu *createMenu(const QList<BCMenuItem> &items, QWidget *parent)
{
    BCMenu *menu = BCMenu::fromItems(items, parent);
    menu->loadToolbarImages(QString::fromLatin1(kPictureStrip), pictureCommands());
    return menu;
}

} // namespace mainmenus
