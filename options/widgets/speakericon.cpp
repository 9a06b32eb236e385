#include "options/widgets/speakericon.h"

#include <QPainter>
#include <QPainterPath>

QPixmap speakerIcon(int side, qreal devicePixelRatio)
{
    QPixmap pixmap(QSize(side, side) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 32.0, side / 32.0);

    // Body and cone.
    QPainterPath speaker;
    speaker.moveTo(4, 12);
    speaker.lineTo(10, 12);
    speaker.lineTo(17, 5);
    speaker.lineTo(17, 27);
    speaker.lineTo(10, 20);
    speaker.lineTo(4, 20);
    speaker.closeSubpath();
    painter.setPen(QPen(QColor(40, 60, 90), 1.2));
    painter.setBrush(QColor(90, 130, 190));
    painter.drawPath(speaker);

    // Waves.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(40, 60, 90), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(14, 10, 10, 12), -50 * 16, 100 * 16);
    painter.drawArc(QRectF(13, 5, 17, 22), -50 * 16, 100 * 16);
    return pixmap;
}
