#include "app/mainwindowsetup.h"

#include <QObject>

#include "app/desktopnotification.h"
#include "app/helpviewer.h"
#include "app/shellactions.h"
#include "platform/bytetext.h"
#include "platform/documentsfolder.h"
#include "platform/programfolder.h"
#include "platform/settingsstore.h"

std::unique_ptr<SettingsStore> completeSetup(MainWindowSetup &setup, QObject *context)
{
    if (!setup.documentsFolder)
        setup.documentsFolder = [] { return documentsFolder(); };
    if (!setup.showInFolder)
        setup.showInFolder = [](const std::string &path) { showInFolder(path); };
    if (setup.helpFile.empty()) {
        const std::string folder = programFolder();
        if (!folder.empty())
            setup.helpFile = folder + "snvc.html";
    }
    if (!setup.openFirstRunHelp) {
        // Opened from the event loop, once the main window is on the screen, so
        // the help comes up in front of it.
        setup.openFirstRunHelp = [context, help = displayText(setup.helpFile)] {
            QMetaObject::invokeMethod(
                context, [help] { HelpViewer::showHelp(help, true); }, Qt::QueuedConnection);
        };
    }
    if (!setup.closeHelp)
        setup.closeHelp = [] { HelpViewer::closeHelp(); };
    if (!setup.notify)
        setup.notify = [](const QString &summary, const QString &body) { sendDesktopNotification(summary, body); };
    if (setup.converterPath.empty())
        setup.converterPath = converterPath();
    std::unique_ptr<SettingsStore> own;
    if (!setup.store) {
        own = std::make_unique<SettingsStore>();
        setup.store = own.get();
    }
    return own;
}
