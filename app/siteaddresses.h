#pragma once

#include <QString>

// The program's web and mail addresses, in one place for the commands, the link
// button and the About box.

inline constexpr const char *kSiteHost = "www.kestrune.com";

// The home page: the site with the path "/".
inline QString homePageAddress()
{
    return QStringLiteral("https://") + QLatin1String(kSiteHost) + QStringLiteral("/");
}

// The update check page with this program's version and build.
inline QString checkUpdatesAddress()
{
    return homePageAddress() + QStringLiteral("checkforupdates/?ver=2.7&build=719");
}

inline QString supportMailLink()
{
    return QStringLiteral("mailto:support@kestrune.com");
}

// A mail without recipient that recommends the program; nothing in it is escaped.
inline QString tellAFriendLink()
{
    return QStringLiteral("mailto:?subject=Sonavert - very COOL application!!!&body=Download from ") +
           homePageAddress();
}

// The MP3 encoder's project.
inline QString lameEncoderAddress()
{
    return QStringLiteral("https://lame.sourceforge.io/");
}
