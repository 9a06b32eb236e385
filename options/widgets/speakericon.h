#pragma once

#include <QPixmap>

// The Audio Options page's icon: a loudspeaker with two sound waves, drawn at
// the size asked for (the style's own volume icon is too small for the page).
QPixmap speakerIcon(int side, qreal devicePixelRatio);
