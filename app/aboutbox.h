#pragma once

#include <QDialog>

class HyperlinkLabel;
class QPushButton;

// The About box: the program's icon, name, version and build, links to the home
// page, to support and to the MP3 encoder's project, and buttons that check for
// updates and recommend the program by mail.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget *owner = nullptr);

    HyperlinkLabel *homePageLink() const { return m_homePage; }
    HyperlinkLabel *supportLink() const { return m_support; }
    HyperlinkLabel *encoderLink() const { return m_encoder; }
    QPushButton *okButton() const { return m_ok; }
    QPushButton *checkUpdatesButton() const { return m_checkUpdates; }
    QPushButton *tellAFriendButton() const { return m_tellAFriend; }

private:
    HyperlinkLabel *m_homePage = nullptr;
    HyperlinkLabel *m_support = nullptr;
    HyperlinkLabel *m_encoder = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_checkUpdates = nullptr;
    QPushButton *m_tellAFriend = nullptr;
};

// Shows the About box modally over the owner.
void showAboutBox(QWidget *owner);
