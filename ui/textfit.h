#pragma once

class QWidget;

// Texts in other languages run longer than the English the fixed rectangles of
// a page were drawn for. fitTexts looks at every label, check box and button
// placed directly on container: one whose text does not fit grows to the right
// as far as the next control on its row (or the container's edge) leaves room,
// past a heading's rule; a field beside a caption moves over or gives up some
// of its width. A text still too long is elided and shown whole in the
// control's tooltip. A word-wrapped label grows downwards, into free room.
namespace textfit {

void fitTexts(QWidget *container);

} // namespace textfit
