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

// What a window about to open should leave in sight, in screen coordinates.
struct Clearance {
    std::vector<QRect> keepClear; // covered only when nothing else can be done: the fields being typed
    std::vector<QRect> rather;    // covered as little as can be, the first before the second
    QRect opener;                 // the window it is opened from (its frame), which it stands beside
};

// The frame for a window of `wanted` size (never smaller than `least`, never larger than `area`) inside
// `area`. Every size from `wanted` down to `least` that fills a gap between the area's edges and the
// rectangles to keep clear is tried, at every place that lines up with them: the frame that covers the
// least of `keepClear`, then of each of `rather` in turn, wins; among equals the larger, then one right of
// the first of `rather` (the window it was opened from), then one level with its top.
QRect placeClear(const QSize& wanted, const QSize& least, const QRect& area, const Clearance& clearance);

// Where the window's fields, lists and radio buttons are on the screen: the rectangle that holds all
// of them as far as they are in sight (an empty one when it has none).
QRect fieldsOnScreen(const QWidget* window);

} // namespace ornavo::ui
