#pragma once

#include <QString>

#include "platform/programversion.h"

// The program's addresses on the web, in one place: the link
// button, the help menu's commands and the About box all take them from here.
namespace siteaddresses {

inline constexpr const char *kSiteHost = "www.kestrune.com";
inline constexpr const char *kHomePage = "https://www.kestrune.com/";
inline constexpr const char *kSupportAddress = "support@kestrune.com";
inline constexpr const char *kLameHomePage = "https://lame.sourceforge.io/";


// "mailto:" and the support address.
inline QString feedbackLink()
{
    return QStringLiteral("mailto:") + QLatin1String(kSupportAddress);
}

// A mail without recipient that recommends the program. Mail programs take the
// text as it is, so nothing in it is escaped.
inline QString tellAFriendLink()
{
    return QStringLiteral("mailto:?subject=Sonavert - very COOL application!!!&body=Download from ")
        + QLatin1String(kHomePage);
}

// The site's page that compares the running version with the latest one.
inline QString checkForUpdatesLink()
{
    return QLatin1String(kHomePage) + QStringLiteral("checkforupdates/?ver=")
        + QLatin1String(programversion::version()) + QStringLiteral("&build=")
        + QLatin1String(programversion::build());
}

} // namespace siteaddresses
