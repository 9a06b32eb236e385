#include "app/mainmenus.h"

#include "app/commandids.h"

namespace mainmenus {

using namespace commandid;

namespace {

const BCMenuItem kSeparator{0, QString()};

} // namespace

QList<BCMenuItem> contextMenuItems()
{
    return {
        {kPlaySource, QStringLiteral("&Play Source")},
        {kPlayDestination, QStringLiteral("Play &Destination")},
        kSeparator,
        {kConvertSelected, QStringLiteral("&Convert Selected")},
        {kConvertAll, QStringLiteral("Convert All")},
        kSeparator,
        {kBrowseSourceFolder, QStringLiteral("Browse &Source Folder")},
        {kBrowseDestinationFolder, QStringLiteral("Browse Destination &Folder")},
        kSeparator,
        {kAddFiles, QStringLiteral("&Add Files...\tCtrl+O")},
        {kAddFolder, QStringLiteral("Add F&older")},
        {kRemove, QStringLiteral("&Remove\tDel")},
        {kRemoveAll, QStringLiteral("Remove Al&l")},
        {kUndoRemove, QStringLiteral("&Undo Remove\tCtrl+Z")},
    };
}

QList<BCMenuItem> helpMenuItems()
{
    return {
        {kHelpTopics, QStringLiteral("&Help Topics\tF1")},
        kSeparator,
        {kTellAFriend, QStringLiteral("&Tell A Friend")},
        {kFeedbackAndSupport, QStringLiteral("&Feedback and Support")},
        {kHomepage, QStringLiteral("Home&page")},
        {kCheckLatestVersion, QStringLiteral("&Check Latest Version")},
        kSeparator,
        {kAbout, QStringLiteral("&About...")},
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
