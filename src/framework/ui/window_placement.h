#pragma once
// Where a window opened from another one stands: beside it where the screen has room, so that it
// covers none of the other window's fields.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

namespace ornavo::ui {

// The top-left corner for a frame of `size` beside the frame `owner`, inside `screen`. Right of the
// owner, else left, else below, else above; on each side level with the owner's top or, to keep clear
// of the `others` (windows already standing there), under one of them; last, the screen's corners. The
// first place that covers nothing wins; else the one that covers least of the owner, then of the others.
QPoint besideFrame(const QRect& owner, const QSize& size, const QRect& screen,
                   const std::vector<QRect>& others = {});

// Moves the window (not shown yet) beside `owner` on the owner's screen, clear of the `others` where
// there is room; with no owner, to the middle of the primary screen. Its frame is taken to be as thick
// as the owner's.
void placeBeside(QWidget* window, const QWidget* owner, const std::vector<const QWidget*>& others = {});

} // namespace ornavo::ui
