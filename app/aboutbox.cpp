#include "app/aboutbox.h"

#include "app/siteaddresses.h"
#include "ui/userprompts.h"

// A plain box with the version and the addresses until the dressed one lands.
void showAboutBox(QWidget *owner)
{
    using namespace siteaddresses;
    const QString text = QStringLiteral("%1 v%2\n\n%3\n%4\n\nThe program uses LAME MP3 encoder: %5")
                             .arg(QStringLiteral("Sonavert"),
                                  QStringLiteral("%1 build %2").arg(QLatin1String(kVersion), QLatin1String(kBuild)),
                                  QLatin1String(kHomePage), feedbackLink(), QLatin1String(kLameHomePage));
    userPrompts().message(owner, text, UserPrompts::Icon::Information, QStringLiteral("About"));
}
