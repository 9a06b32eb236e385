#include "app/mainmenus.h"

#include "app/commandids.h"

namespace mainmenus {


namespace {

const BCMenuItem kSeparator{0, QString()};

} // namespace

QList<BCMenuItem> contextMenuItems()
{
    return {
        {menuId(Command::PlaySource), QStringLiteral("&Play Source")},
        {menuId(Command::PlayDestination), QStringLiteral("Play &Destination")},
        kSeparator,
        {menuId(Command::ConvertSelected), QStringLiteral("&Convert Selected")},
        {menuId(Command::ConvertAll), QStringLiteral("Convert All")},
        kSeparator,
        {menuId(Command::BrowseSourceFolder), QStringLiteral("Browse &Source Folder")},
        {menuId(Command::BrowseDestinationFolder), QStringLiteral("Browse Destination &Folder")},
        kSeparator,
        {menuId(Command::AddFiles), QStringLiteral("&Add Files...\tCtrl+O")},
        {menuId(Command::AddFolder), QStringLiteral("Add F&older")},
        {menuId(Command::Remove), QStringLiteral("&Remove\tDel")},
        {menuId(Command::RemoveAll), QStringLiteral("Remove Al&l")},
        {menuId(Command::UndoRemove), QStringLiteral("&Undo Remove\tCtrl+Z")},
    };
}

QList<BCMenuItem> helpMenuItems()
{
    return {
        {menuId(Command::HelpTopics), QStringLiteral("&Help Topics\tF1")},
        kSeparator,
        {menuId(Command::TellAFriend), QStringLiteral("&Tell A Friend")},
        {menuId(Command::FeedbackAndSupport), QStringLiteral("&Feedback and Support")},
        {menuId(Command::Homepage), QStringLiteral("Home&page")},
        {menuId(Command::CheckLatestVersion), QStringLiteral("&Check Latest Version")},
        kSeparator,
        {menuId(Command::About), QStringLiteral("&About...")},
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
