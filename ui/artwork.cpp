#include "ui/artwork.h"

#include <QFileInfo>
#include <QGuiApplication>

namespace artwork {

namespace {

qreal applicationRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

} // namespace

QImage image(const QString &file, qreal ratio)
{
    if (ratio > 1.0) {
        const int dot = int(file.lastIndexOf(QLatin1Char('.')));
        const QString doubled = dot > 0 ? file.left(dot) + QStringLiteral("@2x") + file.mid(dot) : QString();
        if (!doubled.isEmpty() && QFileInfo::exists(doubled)) {
            QImage larger(doubled);
            if (!larger.isNull()) {
                larger.setDevicePixelRatio(2.0);
                return larger;
            }
        }
    }
    return QImage(file);
}

QImage image(const QString &file)
{
    return image(file, applicationRatio());
}

QPixmap pixmap(const QString &file)
{
    return QPixmap::fromImage(image(file));
}

} // namespace artwork
