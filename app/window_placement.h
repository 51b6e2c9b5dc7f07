#pragma once

#include <QRect>

class QWidget;

// The window's outer rectangle moved onto the available area as little as
// needed, never resized; one larger than the area keeps its top-left
// corner on it.
QRect fittedWindowRect(const QRect& outer, const QRect& available);

// Puts the window's outer frame at `outer`, fitted to its screen's
// available area.
void placeWindow(QWidget& window, const QRect& outer);
