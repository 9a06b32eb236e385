#include "app/shellactions.h"
#include "ui/hyperlinklabel.h"
#include "ui/userprompts.h"
#include "fakeprompts.h"
#include "recordingactions.h"

#include <QCursor>
#include <QEnterEvent>
#include <QTest>

namespace {

void enter(QWidget &widget)
{
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), widget.mapToGlobal(QPointF(1, 1)));
    QApplication::sendEvent(&widget, &event);
}

bool hasPixelOf(const QImage &image, const QColor &colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

} // namespace

class TestHyperlinkLabel : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        setShellActions(&m_opener);
        setUserPrompts(&m_prompts);
        m_opener = RecordingActions();
        m_prompts.messages.clear();
    }

    void cleanup()
    {
        setShellActions(nullptr);
        setUserPrompts(nullptr);
    }

    void linkAndTextFillEachOther()
    {
        HyperlinkLabel bare(QString(), QStringLiteral("https://sonavert.example/"));
        QCOMPARE(bare.text(), QStringLiteral("https://sonavert.example/"));
        QCOMPARE(bare.toolTip(), QStringLiteral("https://sonavert.example/"));
        HyperlinkLabel textOnly(QStringLiteral("https://a.example/"));
        QCOMPARE(textOnly.link(), QStringLiteral("https://a.example/"));
        QVERIFY(textOnly.width() > 0);
        QCOMPARE(textOnly.height(), textOnly.fontMetrics().height());
    }

    void redWhileHoveringBackAfterLeaving()
    {
        QWidget window;
        window.setGeometry(100, 100, 300, 100);
        auto *label = new HyperlinkLabel(QStringLiteral("Visit Sonavert Homepage"),
                                         QStringLiteral("https://sonavert.example/"), &window);
        QFont f = label->font();
        f.setStyleStrategy(QFont::NoAntialias);
        label->setFont(f);
        label->move(10, 10);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(label->textColour(), QColor(0x00, 0x00, 0xEE));
        QVERIFY(!label->font().underline());
        QCursor::setPos(label->mapToGlobal(QPoint(2, 2)));
        enter(*label);
        QVERIFY(label->isHovering());
        QCOMPARE(label->textColour(), QColor(0xFF, 0x00, 0x00));
        QVERIFY(label->font().underline());
        QVERIFY(hasPixelOf(label->grab().toImage(), QColor(0xFF, 0x00, 0x00)));

        // The hover timer notices the mouse has gone.
        QCursor::setPos(window.mapToGlobal(QPoint(290, 90)));
        QTRY_VERIFY(!label->isHovering());
        QCOMPARE(label->textColour(), QColor(0x00, 0x00, 0xEE));
        QVERIFY(!label->font().underline());
        QVERIFY(hasPixelOf(label->grab().toImage(), QColor(0x00, 0x00, 0xEE)));
    }

    void underlineModes()
    {
        HyperlinkLabel label(QStringLiteral("link"));
        label.setUnderline(HyperlinkLabel::UnderlineAlways);
        QVERIFY(label.font().underline());
        enter(label);
        QVERIFY(label.font().underline());
        label.setUnderline(HyperlinkLabel::UnderlineNever);
        QVERIFY(!label.font().underline());
    }

    void successfulClickMarksVisited()
    {
        HyperlinkLabel label(QStringLiteral("Feedback and Support"), QStringLiteral("mailto:help@sonavert.example"));
        label.setLinkOpener(openLinkFromLabel);
        QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(m_opener.links, QStringList{QStringLiteral("mailto:help@sonavert.example")});
        QVERIFY(!m_opener.showNormals.last());
        QVERIFY(label.isVisited());
        QVERIFY(!label.isHovering());
        QCOMPARE(label.textColour(), QColor(0x55, 0x1A, 0x8B));
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0x55, 0x1A, 0x8B));
        QVERIFY(m_prompts.messages.empty());
    }

    void failedClickClearsVisitedAndReports()
    {
        HyperlinkLabel label(QStringLiteral("x"), QStringLiteral("https://sonavert.example/"));
        label.setLinkOpener(openLinkFromLabel);
        label.followLink();
        QVERIFY(label.isVisited());
        m_opener.result = LinkResult::NoAssociation;
        label.followLink();
        QVERIFY(!label.isVisited());
        QCOMPARE(label.textColour(), QColor(0x00, 0x00, 0xEE));
        QCOMPARE(m_prompts.texts(),
                 QStringList{QStringLiteral("Unable to open hyperlink:\n\nThere is no application associated\n"
                                            "with the given filename extension.")});
        QCOMPARE(m_prompts.messages.back().icon, UserPrompts::Icon::Warning);
        QCOMPARE(m_prompts.messages.back().caption, QStringLiteral("test_hyperlinklabel"));
    }

private:
    RecordingActions m_opener;
    FakePrompts m_prompts;
};

QTEST_MAIN(TestHyperlinkLabel)
#include "test_hyperlinklabel.moc"
