#include "window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

QRect fittedWindowRect(const QRect& outer, const QRect& available)
{
    QRect fitted = outer;
    if (fitted.right() > available.right())
        fitted.moveRight(available.right());
    if (fitted.bottom() > available.bottom())
        fitted.moveBottom(available.bottom());
    if (fitted.left() < available.left())
        fitted.moveLeft(available.left());
    if (fitted.top() < available.top())
        fitted.moveTop(available.top());
    return fitted;
}

void placeWindow(QWidget& window, const QRect& outer)
{
    // The platform window knows its frame; the widget's geometry is inside it.
    window.winId();
    const QMargins frame = window.windowHandle()->frameMargins();
    const QScreen* screen = QGuiApplication::screenAt(outer.topLeft());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect fitted = fittedWindowRect(outer, screen->availableGeometry());
    window.setGeometry(fitted.marginsRemoved(frame));
}
