#include "flow_line.h"

#include "width_policy.h"

#include <QWidget>

#include <algorithm>
#include <vector>

namespace ornavo::ui {

using width::kColumnGap;
using width::kRowGap;

namespace {

// The parts of a row's spare width an item takes: its horizontal stretch (an address more than a
// text); items without one keep their width.
int shareOf(const QLayoutItem* item) {
    const QWidget* w = item->widget();
    return w ? w->sizePolicy().horizontalStretch() : 0;
}
bool grows(const QLayoutItem* item) {
    return shareOf(item) > 0;
}

// The width an item asks for before any left-over width is shared out: a growing item its minimum,
// the others what they would like.
int baseWidth(const QLayoutItem* item) {
    return grows(item) ? item->minimumSize().width()
                       : std::max(item->sizeHint().width(), item->minimumSize().width());
}
} // namespace

FlowLine::FlowLine(QWidget* parent) : QLayout(parent) {
    setContentsMargins(0, 0, 0, 0);
}

FlowLine::~FlowLine() {
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void FlowLine::addItem(QLayoutItem* item) {
    items_.append(item);
}
int FlowLine::count() const {
    return static_cast<int>(items_.size());
}
QLayoutItem* FlowLine::itemAt(int index) const {
    return items_.value(index);
}
QLayoutItem* FlowLine::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}
Qt::Orientations FlowLine::expandingDirections() const {
    return Qt::Horizontal;
}
bool FlowLine::hasHeightForWidth() const {
    return true;
}
int FlowLine::heightForWidth(int width) const {
    return arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLine::minimumSize() const {
    QSize size;
    for (const QLayoutItem* item : items_)
        size = size.expandedTo(QSize(baseWidth(item), item->minimumSize().height()));
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize FlowLine::sizeHint() const {
    int width = 0;
    int height = 0;
    for (const QLayoutItem* item : items_) {
        width += (width ? kColumnGap : 0) + std::max(item->sizeHint().width(), baseWidth(item));
        height = std::max(height, item->sizeHint().height());
    }
    const QMargins m = contentsMargins();
    return QSize(width + m.left() + m.right(), height + m.top() + m.bottom());
}

void FlowLine::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int FlowLine::arrange(const QRect& rect, bool place) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    std::vector<QLayoutItem*> visible;
    for (QLayoutItem* item : items_)
        if (!item->isEmpty())
            visible.push_back(item);

    int y = area.y();
    std::size_t first = 0;
    while (first < visible.size()) {
        // As many items as fit side by side (at least one).
        std::size_t end = first;
        int used = 0;
        while (end < visible.size()) {
            const int need = baseWidth(visible[end]) + (end > first ? kColumnGap : 0);
            if (end > first && used + need > area.width())
                break;
            used += need;
            ++end;
        }
        // The left-over width goes to the items that grow, by their shares, none beyond its most.
        std::vector<int> widths;
        for (std::size_t i = first; i < end; ++i)
            widths.push_back(std::min(baseWidth(visible[i]), area.width()));
        int spare = std::max(0, area.width() - used);
        std::vector<bool> full(end - first, false);
        while (spare > 0) {
            int shares = 0;
            for (std::size_t i = first; i < end; ++i)
                shares += full[i - first] ? 0 : shareOf(visible[i]);
            if (shares == 0)
                break;
            int given = 0;
            for (std::size_t i = first; i < end; ++i) {
                const int share = full[i - first] ? 0 : shareOf(visible[i]);
                if (share == 0)
                    continue;
                const int most = visible[i]->maximumSize().width();
                const int add = std::min(static_cast<int>(static_cast<long long>(spare) * share / shares),
                                         most - widths[i - first]);
                widths[i - first] += add;
                given += add;
                full[i - first] = widths[i - first] >= most;
            }
            if (given == 0) {
                // What rounding left goes to the first item with room.
                for (std::size_t i = first; i < end && spare > 0; ++i)
                    if (!full[i - first] && shareOf(visible[i]) > 0) {
                        ++widths[i - first];
                        --spare;
                    }
                break;
            }
            spare -= given;
        }
        int rowHeight = 0;
        for (std::size_t i = first; i < end; ++i) {
            QLayoutItem* item = visible[i];
            const int width = widths[i - first];
            const int height =
                item->hasHeightForWidth() ? item->heightForWidth(width) : item->sizeHint().height();
            rowHeight = std::max(rowHeight, std::max(height, item->minimumSize().height()));
        }
        if (place) {
            int x = area.x();
            for (std::size_t i = first; i < end; ++i) {
                QLayoutItem* item = visible[i];
                const int width = widths[i - first];
                const int height = item->hasHeightForWidth()
                                       ? std::min(rowHeight, item->heightForWidth(width))
                                       : std::min(rowHeight, std::max(item->sizeHint().height(),
                                                                      item->minimumSize().height()));
                item->setGeometry(QRect(x, y + (rowHeight - height) / 2, width, height));
                x += width + kColumnGap;
            }
        }
        y += rowHeight + kRowGap;
        first = end;
    }
    const QMargins m = contentsMargins();
    return std::max(0, y - kRowGap - area.y()) + m.top() + m.bottom();
}

} // namespace ornavo::ui
