#include "window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace ornavo::ui {

namespace {

constexpr int kGap = 4;

// The corner moved so that the frame stands inside the screen (its top-left corner first where the
// frame is larger than the screen).
QPoint inside(QPoint corner, const QSize& size, const QRect& screen) {
    corner.setX(std::max(screen.left(), std::min(corner.x(), screen.right() + 1 - size.width())));
    corner.setY(std::max(screen.top(), std::min(corner.y(), screen.bottom() + 1 - size.height())));
    return corner;
}

long long covered(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : static_cast<long long>(both.width()) * both.height();
}

} // namespace

QPoint besideFrame(const QRect& owner, const QSize& size, const QRect& screen,
                   const std::vector<QRect>& others) {
    std::vector<int> rows = {owner.top()}, columns = {owner.left()};
    for (const QRect& other : others) {
        rows.push_back(other.bottom() + 1 + kGap);
        columns.push_back(other.right() + 1 + kGap);
    }
    std::vector<QPoint> places;
    for (int x : {owner.right() + 1 + kGap, owner.left() - kGap - size.width()})
        for (int y : rows)
            places.emplace_back(x, y);
    for (int y : {owner.bottom() + 1 + kGap, owner.top() - kGap - size.height()})
        for (int x : columns)
            places.emplace_back(x, y);
    // Where no side has room, a corner of the screen may cover the least.
    const int right = screen.right() + 1 - size.width(), bottom = screen.bottom() + 1 - size.height();
    for (const QPoint& corner : {QPoint(right, screen.top()), screen.topLeft(), QPoint(right, bottom),
                                 QPoint(screen.left(), bottom)})
        places.push_back(corner);

    QPoint best;
    std::pair<long long, long long> least(-1, -1);
    for (const QPoint& place : places) {
        const QPoint corner = inside(place, size, screen);
        const QRect frame(corner, size);
        long long overOthers = 0;
        for (const QRect& other : others)
            overOthers += covered(frame, other);
        const std::pair<long long, long long> over(covered(frame, owner), overOthers);
        if (least.first < 0 || over < least) {
            best = corner;
            least = over;
        }
        if (over == std::pair<long long, long long>(0, 0))
            break;
    }
    return best;
}

void placeBeside(QWidget* window, const QWidget* owner, const std::vector<const QWidget*>& others) {
    const QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    if (!owner) {
        QRect frame(QPoint(), window->size());
        frame.moveCenter(area.center());
        window->move(inside(frame.topLeft(), frame.size(), area));
        return;
    }
    std::vector<QRect> standing;
    for (const QWidget* other : others)
        if (other && other->isVisible() && !other->isMinimized())
            standing.push_back(other->frameGeometry());
    const QSize frameThickness = owner->frameGeometry().size() - owner->size();
    window->move(besideFrame(owner->frameGeometry(), window->size() + frameThickness, area, standing));
}

} // namespace ornavo::ui
