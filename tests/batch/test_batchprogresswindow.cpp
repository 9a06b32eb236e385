#include <QProgressBar>
#include <QTest>

#include "batch/linestack.h"
#include "batch/widgets/batchprogresswindow.h"

// The window maps the thousandths a conversion reports to the pixels of its bar,
// steps a bar of unknown length round it, and a line that moves up keeps its bar.
class TestBatchProgressWindow : public QObject {
    Q_OBJECT
private slots:
    void barsCountInPixels()
    {
        BatchProgressWindow window;
        window.setLineCount(2);
        ProgressDisplay &line = window.line(0);
        QProgressBar *bar = window.lineBar(0);
        const int width = bar->width();
        QVERIFY(width > 100);

        line.setUpperPermille(500);
        QCOMPARE(bar->maximum(), width);
        QCOMPARE(bar->value(), width / 2);
        line.setUpperPermille(1000);
        QCOMPARE(bar->value(), width);

        line.setUpperPermille(0);
        line.stepUpper(1);
        QCOMPARE(bar->value(), 10);
        line.stepUpper(width / 10);
        QCOMPARE(bar->value(), 0);
        line.stepUpper(2 * (width / 10 + 1) + 3);
        QCOMPARE(bar->value(), 30);

        LineStack stack(window, 2);
        ProgressDisplay &first = stack.start(0);
        ProgressDisplay &second = stack.start(1);
        first.setUpperPermille(250);
        second.setUpperPermille(0);
        second.stepUpper(1);
        second.stepUpper(1);
        QCOMPARE(window.lineBar(1)->value(), 20);
        stack.end(0);
        QCOMPARE(window.lineBar(0)->value(), 20);
        QCOMPARE(window.lineBar(1)->value(), 0);
    }
};

QTEST_MAIN(TestBatchProgressWindow)
#include "test_batchprogresswindow.moc"
