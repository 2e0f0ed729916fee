#include "window_placement.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <set>
#include <tuple>
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

QRect placeClear(const QSize& wantedSize, const QSize& leastSize, const QRect& area,
                 const Clearance& clearance) {
    const QSize wanted = wantedSize.boundedTo(area.size());
    const QSize least = leastSize.boundedTo(wanted);
    std::vector<QRect> all = clearance.keepClear;
    all.insert(all.end(), clearance.rather.begin(), clearance.rather.end());
    all.push_back(clearance.opener);
    // The lines a frame may stand against: the area's edges and, a gap away, every rectangle's.
    std::set<int> xEdges = {area.left(), area.right() + 1}, yEdges = {area.top(), area.bottom() + 1};
    for (const QRect& r : all) {
        if (r.isNull())
            continue;
        for (int x : {r.left() - kGap, r.right() + 1 + kGap})
            if (x >= area.left() && x <= area.right() + 1)
                xEdges.insert(x);
        for (int y : {r.top() - kGap, r.bottom() + 1 + kGap})
            if (y >= area.top() && y <= area.bottom() + 1)
                yEdges.insert(y);
    }
    // The sizes: the one wanted, and each that fills a gap between two lines exactly.
    auto sizes = [](const std::set<int>& edges, int most, int fewest) {
        std::set<int> lengths = {most};
        for (auto a = edges.begin(); a != edges.end(); ++a)
            for (auto b = std::next(a); b != edges.end(); ++b)
                if (*b - *a >= fewest && *b - *a <= most)
                    lengths.insert(*b - *a);
        return lengths;
    };
    const std::set<int> widths = sizes(xEdges, wanted.width(), least.width());
    const std::set<int> heights = sizes(yEdges, wanted.height(), least.height());
    const QRect& opener = clearance.opener;

    QRect best;
    std::vector<long long> bestScore;
    for (int w : widths)
        for (int h : heights) {
            std::set<int> xs = {area.left(), area.right() + 1 - w}, ys = {area.top(), area.bottom() + 1 - h};
            for (int x : xEdges)
                xs.insert({x, x - w});
            for (int y : yEdges)
                ys.insert({y, y - h});
            for (int x : xs)
                for (int y : ys) {
                    const QRect frame(inside(QPoint(x, y), QSize(w, h), area), QSize(w, h));
                    std::vector<long long> score;
                    long long keep = 0;
                    for (const QRect& r : clearance.keepClear)
                        keep += covered(frame, r);
                    score.push_back(keep);
                    for (const QRect& r : clearance.rather)
                        score.push_back(covered(frame, r));
                    score.push_back(-static_cast<long long>(w) * h);
                    score.push_back(opener.isNull() || frame.left() > opener.right() ? 0 : 1);
                    score.push_back(opener.isNull() ? 0 : std::abs(frame.top() - opener.top()));
                    if (bestScore.empty() || score < bestScore) {
                        bestScore = std::move(score);
                        best = frame;
                    }
                }
        }
    return best;
}

QRect fieldsOnScreen(const QWidget* window) {
    QRect all;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || !(qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
                                 qobject_cast<const QRadioButton*>(w)))
            continue;
        // As far as it is in sight: every widget it stands in clips it (a scrolled area's view too).
        QRect shown(w->mapToGlobal(QPoint()), w->size());
        for (const QWidget* up = w->parentWidget(); up; up = up->parentWidget())
            shown &= QRect(up->mapToGlobal(QPoint()), up->size());
        if (shown.isEmpty())
            continue;
        all |= shown;
    }
    return all;
}

} // namespace ornavo::ui
