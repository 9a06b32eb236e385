#pragma once

#include <string>

#include <QList>
#include <QString>
#include <QStringList>

#include "app/shellactions.h"

// Shell actions in memory: each call as a line ("open PATH", "show PATH",
// "link URL", or "link(show) URL" from a hyperlink label), the links with the
// way they were opened, and the result every link gets.
class RecordingActions final : public ShellActions {
public:
    void openFile(const std::string &path) override { calls << "open " + QString::fromStdString(path); }
    void showInFolder(const std::string &path) override { calls << "show " + QString::fromStdString(path); }
    LinkResult openLink(const QString &link, bool showNormal) override
    {
        calls << (showNormal ? "link " : "link(show) ") + link;
        links << link;
        showNormals << showNormal;
        return result;
    }

    QStringList calls;
    QStringList links;
    QList<bool> showNormals;
    LinkResult result = LinkResult::Opened;
};
