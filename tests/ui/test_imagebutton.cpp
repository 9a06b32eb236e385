#include "ui/imagebutton.h"

#include <QEnterEvent>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

QPixmap solid(const QSize &size, const QColor &colour)
{
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return pixmap;
}

QImage grabbed(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void hover(QWidget &widget, bool on)
{
    if (on) {
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), widget.mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(&widget, &enter);
    } else {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&widget, &leave);
    }
}

// The bounding box of the pixels that differ from the background colour.
QRect inkBox(const QImage &image, QRgb background)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF))
                box |= QRect(x, y, 1, 1);
    return box;
}

// A text button on a plain white background, with crisp (unsmoothed) text.
void makeTextButton(ImageButton &button)
{
    button.setTransparent(false);
    button.setBackgroundColours(Qt::white, Qt::white);
    button.setFrame(false);
    button.setTextColours(Qt::black);
    QFont f = button.font();
    f.setStyleStrategy(QFont::NoAntialias);
    f.setPixelSize(11);
    button.setButtonFont(f);
    button.resize(60, 24);
}

} // namespace

class TestImageButton : public QObject {
    Q_OBJECT
private slots:
    void hotBitmapWhileHovering()
    {
        ImageButton button;
        button.setFrame(false);
        QVERIFY(button.setBitmaps(solid({106, 26}, Qt::blue), solid({106, 26}, Qt::green)));
        // Picture plus one pixel for the press offset, no frame.
        QCOMPARE(button.size(), QSize(107, 27));
        button.setTransparent(false);
        button.setBackgroundColours(Qt::white);

        QCOMPARE(grabbed(button).pixelColor(10, 10), QColor(Qt::blue));
        hover(button, true);
        QVERIFY(button.isHovering());
        QCOMPARE(grabbed(button).pixelColor(10, 10), QColor(Qt::green));
        hover(button, false);
        QVERIFY(!button.isHovering());
        QCOMPARE(grabbed(button).pixelColor(10, 10), QColor(Qt::blue));
    }

    void missingPictureFailsAndKeepsText()
    {
        ImageButton button(QStringLiteral("Go"));
        QVERIFY(!button.setBitmaps(QStringLiteral(":/no/such.png")));
        makeTextButton(button);
        QVERIFY(inkBox(grabbed(button), qRgb(255, 255, 255)).isValid());
    }

    void iconResizeCountsFrameAndOffset()
    {
        ImageButton button;
        QVERIFY(button.setIcons(solid({16, 16}, Qt::red)));
        QCOMPARE(button.size(), QSize(19, 19));
        button.setPressOffset(false);
        button.setFrame(false);
        QVERIFY(button.setIcons(solid({16, 16}, Qt::red)));
        QCOMPARE(button.size(), QSize(16, 16));
    }

    void flatFrameRaisedOnHoverSunkenWhenPressed()
    {
        ImageButton button;
        button.setTransparent(false);
        button.setBackgroundColours(Qt::white, Qt::white);
        button.setIcons(solid({16, 16}, Qt::red));
        const QColor light = button.palette().color(QPalette::Light);
        const QColor dark = button.palette().color(QPalette::Dark);
        QVERIFY(light != dark);
        const QPoint topLeft(0, 0);
        const QPoint bottomRight(button.width() - 1, button.height() - 1);

        QImage rest = grabbed(button);
        QCOMPARE(rest.pixelColor(topLeft), QColor(Qt::white));
        QCOMPARE(rest.pixelColor(bottomRight), QColor(Qt::white));

        hover(button, true);
        QImage raised = grabbed(button);
        QCOMPARE(raised.pixelColor(topLeft).rgb(), light.rgb());
        QCOMPARE(raised.pixelColor(bottomRight).rgb(), dark.rgb());

        button.setDown(true);
        QImage sunken = grabbed(button);
        QCOMPARE(sunken.pixelColor(topLeft).rgb(), dark.rgb());
        QCOMPARE(sunken.pixelColor(bottomRight).rgb(), light.rgb());
    }

    void pressedTextButtonShiftsByOnePixel()
    {
        ImageButton button(QStringLiteral("Convert"));
        makeTextButton(button);
        const QRect atRest = inkBox(grabbed(button), qRgb(255, 255, 255));
        QVERIFY(atRest.isValid());
        button.setDown(true);
        const QRect pressed = inkBox(grabbed(button), qRgb(255, 255, 255));
        QCOMPARE(pressed, atRest.translated(1, 1));
    }

    void withoutPressOffsetTextStays()
    {
        ImageButton button(QStringLiteral("sonavert.example"));
        makeTextButton(button);
        button.setPressOffset(false);
        const QRect atRest = inkBox(grabbed(button), qRgb(255, 255, 255));
        button.setDown(true);
        QCOMPARE(inkBox(grabbed(button), qRgb(255, 255, 255)), atRest);
    }

    void textOffsetMovesCaption()
    {
        ImageButton button(QStringLiteral("Options"));
        makeTextButton(button);
        const QRect centred = inkBox(grabbed(button), qRgb(255, 255, 255));
        button.setTextOffset(0, -1);
        QCOMPARE(inkBox(grabbed(button), qRgb(255, 255, 255)), centred.translated(0, -1));
    }

    void disabledButtonDrawsGreyText()
    {
        ImageButton button(QStringLiteral("Remove All"));
        makeTextButton(button);
        button.setTextColours(QColor(0x35, 0x35, 0x35), Qt::red);
        button.setEnabled(false);
        const QColor grey = button.palette().color(QPalette::Disabled, QPalette::Text);
        const QImage image = grabbed(button);
        int greyPixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                if (pixel == QColor(Qt::white))
                    continue;
                QCOMPARE(pixel, grey);
                ++greyPixels;
            }
        }
        QVERIFY(greyPixels > 0);
    }

    void transparentButtonShowsSkinUnderIt()
    {
        QWidget window;
        window.resize(200, 100);
        QImage skin(200, 100, QImage::Format_RGB32);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 200; ++x)
                skin.setPixel(x, y, qRgb(x, y, 128));
        auto *button = new ImageButton(&window);
        button->setParentBackground(QPixmap::fromImage(skin));
        button->setGeometry(30, 20, 40, 30);
        QImage image = grabbed(*button);
        QCOMPARE(image.pixel(0, 0), qRgb(30, 20, 128));
        QCOMPARE(image.pixel(39, 29), qRgb(69, 49, 128));
        // Moving the button shows the skin at its new place.
        button->move(50, 10);
        image = grabbed(*button);
        QCOMPARE(image.pixel(0, 0), qRgb(50, 10, 128));
    }

    void withoutSkinTakesWhatTheParentPaints()
    {
        QWidget window;
        window.resize(120, 60);
        window.setAutoFillBackground(true);
        QPalette pal = window.palette();
        pal.setColor(QPalette::Window, QColor(10, 200, 30));
        window.setPalette(pal);
        auto *button = new ImageButton(&window);
        button->setGeometry(20, 10, 30, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(grabbed(window).pixelColor(25, 15), QColor(10, 200, 30));
        QCOMPARE(grabbed(*button).pixelColor(5, 5), QColor(10, 200, 30));
    }
};

QTEST_MAIN(TestImageButton)
#include "test_imagebutton.moc"
