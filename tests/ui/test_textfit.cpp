#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "ui/textfit.h"

// Longer texts than a page was drawn for: they grow into free room, and only
// what still does not fit is elided, whole in the tooltip.
class TestTextFit : public QObject {
    Q_OBJECT
private slots:
    void longTextsGrowThenElide()
    {
        QWidget page;
        page.resize(400, 200);
        const QString words = QStringLiteral("A rather long caption for a narrow place");
        auto *grows = new QLabel(words, &page);
        grows->setGeometry(10, 10, 40, 16);
        auto *blocked = new QLabel(QStringLiteral("&") + words + words, &page);
        blocked->setGeometry(10, 40, 40, 16);
        auto *field = new QLineEdit(&page);
        field->setGeometry(120, 38, 276, 20);
        auto *box = new QCheckBox(words + words, &page);
        box->setGeometry(300, 80, 60, 16);
        auto *fits = new QLabel(QStringLiteral("OK"), &page);
        fits->setGeometry(10, 58, 40, 16);

        textfit::fitTexts(&page);

        QCOMPARE(grows->text(), words);
        QVERIFY(grows->width() > 40 && grows->geometry().right() < page.width());
        QVERIFY(grows->toolTip().isEmpty());

        // The field beside it gives up some of its width, not all.
        QVERIFY(blocked->geometry().right() < field->x());
        QVERIFY(field->x() > 120 && field->width() >= 276 * 3 / 5 && field->geometry().right() <= 396);
        QVERIFY(blocked->text() != QStringLiteral("&") + words + words && blocked->text().startsWith(u'&'));
        QCOMPARE(blocked->toolTip(), words + words);

        QVERIFY(box->geometry().right() < page.width());
        QVERIFY(box->text() != words + words);
        QCOMPARE(box->toolTip(), words + words);

        QCOMPARE(fits->geometry(), QRect(10, 58, 40, 16));
        QCOMPARE(fits->text(), QStringLiteral("OK"));
    }
};

QTEST_MAIN(TestTextFit)
#include "test_textfit.moc"
