#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// Pictures of the program's artwork, sharp on scaled screens: where the
// application's pixel ratio is above 1 and "name@2x.png" lies beside
// "name.png", the larger one is taken, marked with ratio 2 so that it keeps the
// same logical size. A null result when the file can't be read.
namespace artwork {

QPixmap pixmap(const QString &file);
QImage image(const QString &file);
// The same choice for a given pixel ratio.
QImage image(const QString &file, qreal ratio);

} // namespace artwork
