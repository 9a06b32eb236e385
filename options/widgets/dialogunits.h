#pragma once

#include <QFont>
#include <QRect>

// The Options pages are laid out in dialog units of an 8-point Tahoma base:
// one horizontal unit is 1.5 px, one vertical unit 13/8 px.
QRect dluRect(int left, int top, int width, int height);
// Page size in pixels for a page of width x height dialog units.
QSize dluSize(int width, int height);

// The font of the sheet and its pages: Tahoma 11 px high, or the narrowest
// sans-serif font of the same height that the system has when Tahoma is missing.
QFont optionsFont();
