#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

namespace ui {

// Keeping windows on the screen: every window the program opens is sized to at most the
// available area of its screen (what panels and docks leave free), its frame included, and lies
// wholly on it.

// The available area of the screen the window is on; before it is shown, of the screen it will
// open on (where its place lies, else the primary screen); for a window with a parent, that of
// the parent's window. Empty when there is no screen.
QRect availableArea(const QWidget* window);

// The window manager's frame around a top-level window: its own once it is framed; before that
// the last frame seen on another window, or a title bar's worth when none was seen yet.
QMargins frameMargins(const QWidget* window);

// The frame rectangle made at most as large as the area and moved the least distance that puts
// it inside; one larger than the area keeps its top-left corner on it.
QRect fitInside(QRect frame, const QRect& area);

// Sizes and moves a top-level window, shown or not, so that its frame lies wholly on its
// screen's available area. A window that lies there already keeps its place and size.
void fitOnScreen(QWidget* window);

// Puts the window's frame at topLeft, then fits it on the screen there.
void placeOnScreen(QWidget* window, QPoint topLeft);

// Puts the window in the middle of the available area of the screen that `over` is on, fitted.
void centreOnScreen(QWidget* window, const QWidget* over);

// Fits every window of the program on its screen as it is shown (dialogs, viewers, study
// windows), except menus, tooltips and windows that are maximised or fill the screen. Installed
// once on the application; later calls do nothing.
void keepWindowsOnScreen();

} // namespace ui
