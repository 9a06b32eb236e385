#include "app/aboutbox.h"

#include <QLabel>
#include <QPushButton>

#include "app/mainwindowlook.h"
#include "app/shellactions.h"
#include "app/siteaddresses.h"
#include "options/widgets/dialogunits.h"
#include "platform/programversion.h"
#include "ui/hyperlinklabel.h"
#include "ui/textfit.h"
#include "ui/waitcursor.h"

namespace {

HyperlinkLabel *makeLink(QWidget *parent, const QString &text, const QString &link, int x, int y)
{
    auto *label = new HyperlinkLabel(text, link, parent);
    label->setUnderline(HyperlinkLabel::UnderlineAlways);
    label->setLinkOpener(openLinkFromLabel);
    label->move(dluRect(x, y, 0, 0).topLeft());
    return label;
}

QPushButton *makeButton(QWidget *parent, const QString &caption, int y)
{
    auto *button = new QPushButton(caption, parent);
    button->setGeometry(dluRect(230, y, 60, 14));
    return button;
}

// The open-link action of the help menu's commands: the result is not shown.
void openCommandLink(const QString &link)
{
    WaitCursor wait;
    openLink(link, true);
}

} // namespace

AboutBox::AboutBox(QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(tr("About"));
    // The dialog face's 8-point size: 297 x 141 dialog units.
    setFont(optionsFont());
    setFixedSize(dluSize(297, 141));
    setModal(true);

    const QString name = QStringLiteral("Sonavert");

    auto *icon = new QLabel(this);
    icon->setPixmap(mainwindowlook::programIcon().pixmap(32, 32));
    icon->setGeometry(dluRect(11, 10, 22, 20));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *version = new QLabel(tr("%1 v%2 build %3")
                                   .arg(name, QLatin1String(programversion::version()),
                                        QLatin1String(programversion::build())),
                               this);
    version->setGeometry(dluRect(45, 17, 170, 9));

    m_homePage = makeLink(this, tr("Visit %1 Homepage").arg(name),
                          QString::fromLatin1(siteaddresses::kHomePage), 45, 56);
    m_support = makeLink(this, tr("Feedback and Support"), siteaddresses::feedbackLink(), 45, 80);
    m_encoder = makeLink(this, tr("The program uses LAME MP3 encoder"),
                         QString::fromLatin1(siteaddresses::kLameHomePage), 45, 104);

    m_ok = makeButton(this, tr("OK"), 7);
    m_ok->setDefault(true);
    m_checkUpdates = makeButton(this, tr("&Check Updates"), 26);
    m_tellAFriend = makeButton(this, tr("Tell a Friend"), 45);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_checkUpdates, &QPushButton::clicked, this,
            [] { openCommandLink(siteaddresses::checkForUpdatesLink()); });
    connect(m_tellAFriend, &QPushButton::clicked, this,
            [] { openCommandLink(siteaddresses::tellAFriendLink()); });

    textfit::fitTexts(this);
    m_ok->setFocus();
}

void showAboutBox(QWidget *owner)
{
    AboutBox box(owner);
    box.exec();
}
