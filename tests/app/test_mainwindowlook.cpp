#include <memory>
#include <optional>

#include <QComboBox>
#include <QEnterEvent>
#include <QImage>
#include <QTest>

#include "app/mainwindow.h"
#include "app/mainwindowlook.h"
#include "platform/settingsstore.h"
#include "scratchfolder.h"
#include "app/mainmenus.h"
#include "ui/artwork.h"
#include "ui/bcmenu.h"
#include "ui/imagebutton.h"
#include "ui/menuimagelist.h"

namespace {

void enter(QWidget *widget)
{
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(widget, &event);
}

QImage grabImage(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The smallest rectangle holding the pixels that pass the test.
template <typename Test>
QRect boundsOf(const QImage &image, Test test)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixelColor(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

bool isCaptionGrey(const QColor &c)
{
    return c.red() < 120 && c.green() < 120 && c.blue() < 120;
}

bool isLinkColour(const QColor &c)
{
    return c.green() < 100 && (c.red() > 150 || c.blue() > 150);
}

QColor opaquePixel(const QString &file, int x, int y)
{
    const QImage image(file);
    const QColor c = image.pixelColor(x, y);
    return c.alpha() == 255 ? c : QColor();
}

} // namespace

class TestMainWindowLook : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ScratchFolder> m_dir;
    std::unique_ptr<SettingsStore> m_store;

    std::unique_ptr<MainWindow> makeWindow()
    {
        m_dir = std::make_unique<ScratchFolder>();
        m_store = std::make_unique<SettingsStore>(m_dir->file("settings.ini"));
        MainWindowSetup setup;
        setup.store = m_store.get();
        setup.converterPath = m_dir->file("no-tool");
        setup.documentsFolder = [this] { return std::optional<std::string>(m_dir->file("docs")); };
        setup.showInFolder = [](const std::string &) {};
        setup.openFirstRunHelp = [] {};
        setup.closeHelp = [] {};
        return std::make_unique<MainWindow>(setup);
    }

    static ImageButton *button(MainWindow &w, const QString &tip)
    {
        for (ImageButton *b : w.findChildren<ImageButton *>())
            if (b->toolTip() == tip)
                return b;
        return nullptr;
    }

private slots:
    void backgroundIsTheSkin()
    {
        auto w = makeWindow();
        const QImage shot = grabImage(w.get());
        const QImage skin =
            QImage(QString::fromLatin1(mainwindowlook::kSkin)).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(skin.size(), QSize(699, 538));
        // Places no control covers: the title bar, the side panel, the bottom edge.
        for (const QPoint at : {QPoint(300, 20), QPoint(20, 50), QPoint(60, 480), QPoint(125, 400),
                                QPoint(400, 533), QPoint(695, 300)}) {
            QCOMPARE(shot.pixelColor(at), skin.pixelColor(at));
        }
        // A transparent button shows the skin where its own picture leaves it.
        ImageButton *close = button(*w, QStringLiteral("Close"));
        QVERIFY(close);
        QCOMPARE(shot.pixelColor(close->geometry().topLeft()), skin.pixelColor(close->geometry().topLeft()));
    }

    void textButtonsShowTheirPlatesAndTheHotOneUnderTheMouse()
    {
        auto w = makeWindow();
        for (const char *tip : {"Add files", "Add files from a folder", "Remove all files in list",
                                "Convert all files", "Options"}) {
            ImageButton *b = button(*w, QString::fromLatin1(tip));
            QVERIFY2(b, tip);
            QCOMPARE(b->size(), QSize(107, 27));
            QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
        }
        ImageButton *add = button(*w, QStringLiteral("Add files"));
        // A point of the plate away from the caption and the rounded corners.
        const QPoint plate(4, 16);
        const QColor normal = opaquePixel(QString::fromLatin1(mainwindowlook::kButton), plate.x(), plate.y());
        const QColor hot = opaquePixel(QString::fromLatin1(mainwindowlook::kButtonHot), plate.x(), plate.y());
        QVERIFY(normal.isValid() && hot.isValid());
        QVERIFY(normal != hot);

        QCOMPARE(grabImage(add).pixelColor(plate), normal);
        enter(add);
        QVERIFY(add->isHovering());
        const QImage lit = grabImage(add);
        QCOMPARE(lit.pixelColor(plate), hot);
        // The caption stays dark grey under the mouse.
        QVERIFY(!boundsOf(lit, isCaptionGrey).isEmpty());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(add, &leave);
        QCOMPARE(grabImage(add).pixelColor(plate), normal);
    }

    void pressedTextButtonShiftsItsContentButTheLinkDoesNot()
    {
        auto w = makeWindow();
        ImageButton *convert = button(*w, QStringLiteral("Convert all files"));
        QVERIFY(convert);
        const QRect rest = boundsOf(grabImage(convert), isCaptionGrey);
        QVERIFY(!rest.isEmpty());
        convert->setDown(true);
        const QRect pressed = boundsOf(grabImage(convert), isCaptionGrey);
        QCOMPARE(pressed, rest.translated(1, 1));

        ImageButton *link = button(*w, QStringLiteral("Visit Sonavert Homepage"));
        QVERIFY(link);
        QCOMPARE(link->text(), QStringLiteral("www.kestrune.com"));
        QVERIFY(link->font().underline());
        QVERIFY(link->font().bold());
        const QImage linkRest = grabImage(link);
        const QRect linkBounds = boundsOf(linkRest, isLinkColour);
        QVERIFY(!linkBounds.isEmpty());
        // The whole host name fits the button.
        QVERIFY(linkBounds.left() > 0 && linkBounds.right() < link->width() - 1);
        QVERIFY(boundsOf(linkRest, [](const QColor &c) { return c == QColor(0, 0, 255); }) != QRect());
        link->setDown(true);
        const QImage linkPressed = grabImage(link);
        QCOMPARE(boundsOf(linkPressed, isLinkColour), linkBounds);
        QVERIFY(boundsOf(linkPressed, [](const QColor &c) { return c == QColor(255, 0, 0); }) != QRect());
    }

    void textButtonCaptionsFit()
    {
        auto w = makeWindow();
        for (const char *tip : {"Add files", "Add files from a folder", "Remove all files in list",
                                "Convert all files", "Options"}) {
            ImageButton *b = button(*w, QString::fromLatin1(tip));
            const QRect caption = boundsOf(grabImage(b), isCaptionGrey);
            // Inside the plate's border, which is 3 pixels at each side.
            QVERIFY2(caption.left() >= 4 && caption.right() <= 101, tip);
            QVERIFY2(caption.top() >= 3 && caption.bottom() <= 22, tip);
        }
    }

    void iconButtonsFrameOnlyUnderTheMouse()
    {
        auto w = makeWindow();
        for (const char *tip : {"Help", "Minimize", "Close"}) {
            ImageButton *b = button(*w, QString::fromLatin1(tip));
            QVERIFY2(b, tip);
            QCOMPARE(b->size(), QSize(21, 21));
            QVERIFY(b->text().isEmpty());
            QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
        }
        ImageButton *help = button(*w, QStringLiteral("Help"));
        const QColor light = help->palette().color(QPalette::Light);
        const QColor dark = help->palette().color(QPalette::Dark);
        const QImage rest = grabImage(help);
        QVERIFY(rest.pixel(0, 0) != light.rgb() && rest.pixel(20, 20) != dark.rgb());
        // The icon sits in the middle.
        const QImage icon = QImage(QString::fromLatin1(mainwindowlook::kHelpIcon));
        QCOMPARE(icon.size(), QSize(16, 16));

        enter(help);
        const QImage raised = grabImage(help);
        QCOMPARE(raised.pixel(0, 0), light.rgb());
        QCOMPARE(raised.pixel(20, 20), dark.rgb());
        help->setDown(true);
        const QImage sunken = grabImage(help);
        QCOMPARE(sunken.pixel(0, 0), dark.rgb());
        QCOMPARE(sunken.pixel(20, 20), light.rgb());
    }

    void everyControlHasItsTooltipAfter300Ms()
    {
        auto w = makeWindow();
        const QStringList tips{"Add files",  "Add files from a folder", "Remove all files in list",
                               "Convert all files", "Options", "Visit Sonavert Homepage",
                               "Help",       "Minimize",                "Close"};
        QList<QWidget *> controls;
        for (const QString &tip : tips) {
            ImageButton *b = button(*w, tip);
            QVERIFY2(b, qPrintable(tip));
            controls << b;
        }
        QCOMPARE(w->formatSelector()->toolTip(), QStringLiteral("Output format"));
        controls << w->formatSelector();
        for (QWidget *control : controls)
            QCOMPARE(control->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay, nullptr, control), 300);
    }

    void everyPictureHasATwinForScaledScreens()
    {
        mainwindowlook::loadArtwork();
        const QString strip = QStringLiteral(":/res/menupictures.png");
        using namespace mainwindowlook;
        for (const char *name : {kSkin, kButton, kButtonHot, kHelpIcon, kMinimizeIcon, kCloseIcon}) {
            const QString file = QString::fromLatin1(name);
            const QImage plain = artwork::image(file, 1.0);
            const QImage sharp = artwork::image(file, 2.0);
            QVERIFY2(!plain.isNull(), qPrintable(file));
            QCOMPARE(sharp.size(), plain.size() * 2);
            QCOMPARE(sharp.deviceIndependentSize(), QSizeF(plain.size()));
        }
        QCOMPARE(artwork::image(strip, 2.0).size(), QSize(320, 30));
        // The menu's pictures cut from the larger strip keep their 16 x 15.
        BCMenu menu;
        menu.addItems(mainmenus::contextMenuItems());
        QVERIFY(menu.loadToolbarImages(artwork::image(strip, 2.0), mainmenus::pictureCommands()) > 0);
        const QImage picture = MenuImageList::instance().picture(mainmenus::pictureCommands().first(),
                                                                 MenuImageList::Faded);
        QCOMPARE(picture.size(), QSize(32, 30));
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(16, 15));
        // The skin stretched for a larger window at 200 %.
        const QPixmap stretched = stretchedSkin(skin(), QSize(1000, 700), 2.0);
        QCOMPARE(stretched.size(), QSize(2000, 1400));
    }

    void windowCarriesTheProgramIcon()
    {
        auto w = makeWindow();
        const QIcon icon = w->windowIcon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.availableSizes().size(), 7);
        QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
        QVERIFY(icon.availableSizes().contains(QSize(256, 256)));
    }
};

QTEST_MAIN(TestMainWindowLook)
#include "test_mainwindowlook.moc"
