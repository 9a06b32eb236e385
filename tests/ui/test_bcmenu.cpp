#include "app/commandids.h"
#include "app/mainmenus.h"
#include "ui/bcmenu.h"
#include "ui/bcmenustyle.h"
#include "ui/menuimagelist.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int kRemove = menuId(Command::Remove);
constexpr int kAbout = menuId(Command::About);
constexpr int kConvertSelected = menuId(Command::ConvertSelected);

QImage grabbed(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage solidPicture(const QColor &colour)
{
    QImage image(MenuImageList::kWidth, MenuImageList::kHeight, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestBCMenu : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(sonavert);
    }

    void cleanup()
    {
        MenuImageList::instance().clear();
    }

    void itemAndSeparatorHeights()
    {
        BCMenu *menu = mainmenus::createMenu(mainmenus::helpMenuItems());
        menu->popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        const QList<QAction *> items = menu->actions();
        QCOMPARE(items.size(), 8);
        QCOMPARE(menu->actionGeometry(items[0]).height(), 22);
        QVERIFY(items[1]->isSeparator());
        QCOMPARE(menu->actionGeometry(items[1]).height(), 3);
        // The shortcut fits right of the label.
        QVERIFY(menu->actionGeometry(items[0]).width()
                > menu->fontMetrics().horizontalAdvance(QStringLiteral("Help Topics    F1")) + 23);
        delete menu;
    }

    void flatColoursAndIconColumn()
    {
        BCMenu menu;
        menu.addItems(mainmenus::contextMenuItems());
        menu.popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        const BCMenuStyle::Colours c = BCMenuStyle::colours(menu.palette(), false);
        const QColor base = menu.palette().color(QPalette::Base);
        QCOMPARE(c.itemBackground.red(), int(base.red() - base.red() * 0.02));
        QVERIFY(c.iconColumn != c.itemBackground);

        // Convert Selected: no picture, not selected.
        const QRect item = menu.actionGeometry(menu.findCommand(kConvertSelected));
        const QImage image = grabbed(menu);
        const int y = item.top() + 2;
        QCOMPARE(image.pixelColor(item.left(), y), c.iconColumn);
        QCOMPARE(image.pixelColor(item.left() + 22, y), c.iconColumn);
        QCOMPARE(image.pixelColor(item.left() + 23, y), c.itemBackground);

        // A selected item: pale fill inside a one-pixel highlight frame.
        menu.setActiveAction(menu.findCommand(kConvertSelected));
        const QImage selected = grabbed(menu);
        QCOMPARE(selected.pixelColor(item.left(), y), c.selectionFrame);
        QCOMPARE(selected.pixelColor(item.left() + 23, y), c.selectionFill);
        QCOMPARE(selected.pixelColor(item.left() + 23, item.top()), c.selectionFrame);
    }

    void xpLookUsesPlainButtonFace()
    {
        const QPalette pal;
        const QColor face = pal.color(QPalette::Active, QPalette::Button);
        QCOMPARE(BCMenuStyle::colours(pal, true).iconColumn, face);
        QCOMPARE(BCMenuStyle::colours(pal, false).iconColumn, MenuImageList::lighten(face, 0.25));
    }

    void pictureVariantRules()
    {
        const QColor face(0xC0, 0xC0, 0xC0);
        const QColor shadow(0x80, 0x80, 0x80);
        QImage source(4, 1, QImage::Format_ARGB32);
        source.setPixel(0, 0, face.rgb());            // button face: kept
        source.setPixel(1, 0, qRgba(0, 0, 0, 0));     // transparent: kept
        source.setPixel(2, 0, qRgb(0, 0, 0));         // black
        source.setPixel(3, 0, qRgb(100, 0, 200));

        const QImage faded = MenuImageList::fadedImage(source, face);
        QCOMPARE(faded.pixel(0, 0), face.rgb());
        QCOMPARE(qAlpha(faded.pixel(1, 0)), 0);
        QCOMPARE(faded.pixelColor(2, 0), QColor(76, 76, 76));
        QCOMPARE(faded.pixelColor(3, 0), QColor(146, 76, 216));

        const QImage shade = MenuImageList::shadowImage(source, face, MenuImageList::lighten(shadow, 0.49));
        QCOMPARE(shade.pixel(0, 0), face.rgb());
        QCOMPARE(shade.pixelColor(2, 0), QColor(190, 190, 190));
        QCOMPARE(shade.pixelColor(3, 0), QColor(190, 190, 190));

        const QImage disabled = MenuImageList::disabledImage(source, face, shadow);
        QCOMPARE(disabled.pixel(0, 0), face.rgb());
        QCOMPARE(qAlpha(disabled.pixel(1, 0)), 0);
        QCOMPARE(disabled.pixelColor(2, 0), shadow);                       // black takes the shadow
        QCOMPARE(disabled.pixelColor(3, 0), MenuImageList::lighten(shadow, 100 / 255.0));
    }

    void pictureFadedAtRestRaisedWhenSelected()
    {
        BCMenu menu;
        menu.addItems(mainmenus::contextMenuItems());
        QImage strip(160, 15, QImage::Format_ARGB32);
        strip.fill(Qt::transparent);
        QPainter(&strip).drawImage(16, 0, solidPicture(QColor(200, 0, 0))); // Remove's cell
        QCOMPARE(menu.loadToolbarImages(strip, mainmenus::pictureCommands()), 4); // the help items are elsewhere
        menu.popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        const QRect item = menu.actionGeometry(menu.findCommand(kRemove));
        const QPoint place = item.topLeft() + QPoint(4, 4);

        QCOMPARE(grabbed(menu).pixelColor(place), MenuImageList::lighten(QColor(200, 0, 0), 0.3));

        menu.setActiveAction(menu.findCommand(kRemove));
        const QImage selected = grabbed(menu);
        const QColor shadow = MenuImageList::lighten(menu.palette().color(QPalette::Dark), 0.49);
        QCOMPARE(selected.pixelColor(place - QPoint(1, 1)), QColor(200, 0, 0));
        QCOMPARE(selected.pixelColor(place + QPoint(15, 14)), shadow);

        menu.findCommand(kRemove)->setEnabled(false);
        menu.setActiveAction(nullptr);
        const QColor dark = menu.palette().color(QPalette::Dark);
        QCOMPARE(grabbed(menu).pixelColor(place), MenuImageList::lighten(dark, (200 / 3) / 255.0));
    }

    void helpMenuPictures()
    {
        BCMenu *menu = mainmenus::createMenu(mainmenus::helpMenuItems());
        QCOMPARE(MenuImageList::instance().count(), 6);
        QVERIFY(MenuImageList::instance().hasPicture(kAbout));
        QVERIFY(!MenuImageList::instance().hasPicture(kConvertSelected));
        delete menu;
    }

    void typedLetterRunsItsItem()
    {
        BCMenu menu;
        menu.addItems(mainmenus::contextMenuItems());
        QSignalSpy triggered(&menu, &QMenu::triggered);
        menu.popup(QPoint(10, 10));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));

        QTest::keyClick(&menu, Qt::Key_Z);
        QCOMPARE(triggered.count(), 0);
        QVERIFY(menu.isVisible());

        QTest::keyClick(&menu, Qt::Key_R);
        QCOMPARE(triggered.count(), 1);
        QCOMPARE(BCMenu::commandOf(triggered[0][0].value<QAction *>()), kRemove);
        QVERIFY(!menu.isVisible());
    }

    void shortcutSearchIgnoresCase()
    {
        const QStringList texts{QStringLiteral("&Play Source"), QString(), QStringLiteral("&Remove\tDel"),
                                QStringLiteral("Remove Al&l")};
        QCOMPARE(BCMenu::findShortcut(u'r', texts), 2);
        QCOMPARE(BCMenu::findShortcut(u'R', texts), 2);
        QCOMPARE(BCMenu::findShortcut(u'L', texts), 3);
        QCOMPARE(BCMenu::findShortcut(u'q', texts), -1);
    }
};

QTEST_MAIN(TestBCMenu)
#include "test_bcmenu.moc"
