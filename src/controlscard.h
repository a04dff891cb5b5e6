// The controls card: every control of the window on a translucent panel over the phone.
#pragma once

#include <QImage>

class QSize;

// A picture of the window, of its size in logical pixels times the device pixel ratio, that
// is transparent but for the card in its middle. The card is painted with the desktop's
// default font, and in a window too small for it is made smaller, never cut off.
QImage controlsCard(const QSize &window, qreal devicePixelRatio);

// The card's lines as it shows them, for a screen reader: its title, one line a control,
// its hint.
QString controlsCardText();
