#include "app/helpviewer.h"

#include <QApplication>
#include <QTest>
#include <QTextBrowser>

class TestHelpViewer : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        HelpViewer::closeHelp();
        QApplication::processEvents();
    }

    void secondRequestRaisesTheSameWindow()
    {
        HelpViewer *first = HelpViewer::showHelp(QStringLiteral(HELP_FILE));
        QVERIFY(first);
        QCOMPARE(first->windowTitle(), QStringLiteral("Sonavert Help"));
        first->showMinimized();
        HelpViewer *second = HelpViewer::showHelp(QStringLiteral(HELP_FILE));
        QCOMPARE(second, first);
        QVERIFY(!second->isMinimized());
        int viewers = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            viewers += qobject_cast<HelpViewer *>(w) != nullptr;
        QCOMPARE(viewers, 1);
    }

    void showsTheHelpPage()
    {
        HelpViewer *viewer = HelpViewer::showHelp(QStringLiteral(HELP_FILE), true);
        QVERIFY(viewer);
        auto *browser = viewer->findChild<QTextBrowser *>();
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Status texts")));
        QVERIFY(browser->toPlainText().contains(QStringLiteral("Target exists and skipped")));
    }

    void closeHelpClosesTheWindow()
    {
        QPointer<HelpViewer> viewer = HelpViewer::showHelp(QStringLiteral(HELP_FILE));
        QVERIFY(viewer);
        HelpViewer::closeHelp();
        QApplication::processEvents();
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(viewer.isNull());
        QVERIFY(!HelpViewer::find());
    }

    void missingFileOpensNothing()
    {
        QVERIFY(!HelpViewer::showHelp(QStringLiteral("/nonexistent/snvc.html")));
        QVERIFY(!HelpViewer::showHelp(QString()));
    }
};

QTEST_MAIN(TestHelpViewer)
#include "test_helpviewer.moc"
