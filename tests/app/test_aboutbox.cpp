#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/aboutbox.h"
#include "app/shellactions.h"
#include "ui/hyperlinklabel.h"
#include "recordingactions.h"
#include "whenmodal.h"

namespace {

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT

private:
    RecordingActions m_opener;

private slots:
    void init()
    {
        m_opener = RecordingActions();
        setShellActions(&m_opener);
    }

    void cleanup() { setShellActions(nullptr); }

    void titleSizeAndVersionLine()
    {
        AboutBox box;
        QCOMPARE(box.windowTitle(), QStringLiteral("About"));
        // 297 x 141 dialog units.
        QCOMPARE(box.size(), QSize(446, 229));
        QStringList texts;
        QRect iconPlace;
        for (QLabel *label : box.findChildren<QLabel *>()) {
            texts << label->text();
            if (!label->pixmap().isNull()) {
                QCOMPARE(label->pixmap().size(), QSize(32, 32));
                iconPlace = label->geometry();
            }
        }
        QVERIFY(texts.contains(QStringLiteral("Sonavert v2.7 build 719")));
        // The program icon at the top left.
        QVERIFY(iconPlace.isValid());
        QVERIFY(iconPlace.left() < 30 && iconPlace.top() < 30);
    }

    void threeUnderlinedLinks()
    {
        AboutBox box;
        struct Expected {
            HyperlinkLabel *label;
            QString text;
            QString link;
        };
        const Expected expected[] = {
            {box.homePageLink(), "Visit Sonavert Homepage", "https://www.kestrune.com/"},
            {box.supportLink(), "Feedback and Support", "mailto:support@kestrune.com"},
            {box.encoderLink(), "The program uses LAME MP3 encoder", "https://lame.sourceforge.io/"},
        };
        for (const Expected &e : expected) {
            QVERIFY(e.label);
            QCOMPARE(e.label->text(), e.text);
            QCOMPARE(e.label->link(), e.link);
            QCOMPARE(e.label->underline(), int(HyperlinkLabel::UnderlineAlways));
            QVERIFY(e.label->font().underline());
            // Whole inside the box, left of the buttons.
            QVERIFY(box.rect().contains(e.label->geometry()));
            QVERIFY(e.label->geometry().right() < box.okButton()->geometry().left());
        }
        QCOMPARE(box.findChildren<HyperlinkLabel *>().size(), 3);
    }

    void okIsTheDefaultAndCloses()
    {
        AboutBox box;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.okButton()->text(), QStringLiteral("OK"));
        QVERIFY(box.okButton()->isDefault());
        QTest::mouseClick(box.okButton(), Qt::LeftButton);
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QVERIFY(m_opener.links.isEmpty());
    }

    void checkUpdatesAndTellAFriendOpenTheirLinks()
    {
        AboutBox box;
        QCOMPARE(box.checkUpdatesButton()->text(), QStringLiteral("&Check Updates"));
        QCOMPARE(box.tellAFriendButton()->text(), QStringLiteral("Tell a Friend"));
        QTest::mouseClick(box.checkUpdatesButton(), Qt::LeftButton);
        QTest::mouseClick(box.tellAFriendButton(), Qt::LeftButton);
        QCOMPARE(m_opener.links,
                 (QStringList{"https://www.kestrune.com/checkforupdates/?ver=2.7&build=719",
                              "mailto:?subject=Sonavert - very COOL application!!!&body=Download from "
                              "https://www.kestrune.com/"}));
        // As the help menu's commands do it.
        QCOMPARE(m_opener.showNormals, (QList<bool>{true, true}));
        // Neither closes the box, and the wait cursor is gone again.
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void aLinkOpensThroughTheShell()
    {
        AboutBox box;
        box.supportLink()->followLink();
        QCOMPARE(m_opener.links, QStringList{"mailto:support@kestrune.com"});
    }

    void showAboutBoxIsModalOverItsOwner()
    {
        QWidget owner;
        owner.show();
        bool seen = false;
        QWidget *seenParent = nullptr;
        whenModal(this, [&](QWidget *modal) {
            if (auto *box = qobject_cast<AboutBox *>(modal)) {
                seen = true;
                seenParent = box->parentWidget();
                box->okButton()->click();
            }
        });
        showAboutBox(&owner);
        QVERIFY(seen);
        QCOMPARE(seenParent, &owner);
    }
};

QTEST_MAIN(TestAboutBox)
#include "test_aboutbox.moc"
