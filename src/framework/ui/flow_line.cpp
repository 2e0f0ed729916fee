#include "flow_line.h"

#include <QWidget>

#include <algorithm>
#include <vector>

namespace ornavo::ui {

namespace {
constexpr int kColumnGap = 10;
constexpr int kRowGap = 6;

bool grows(const QLayoutItem* item) { return item->expandingDirections() & Qt::Horizontal; }

// The width an item asks for before any left-over width is shared out: a growing item its minimum,
// the others what they would like.
int baseWidth(const QLayoutItem* item) {
    return grows(item) ? item->minimumSize().width() : std::max(item->sizeHint().width(), item->minimumSize().width());
}
} // namespace

FlowLine::FlowLine(QWidget* parent) : QLayout(parent) { setContentsMargins(0, 0, 0, 0); }

FlowLine::~FlowLine() {
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void FlowLine::addItem(QLayoutItem* item) { items_.append(item); }
int FlowLine::count() const { return static_cast<int>(items_.size()); }
QLayoutItem* FlowLine::itemAt(int index) const { return items_.value(index); }
QLayoutItem* FlowLine::takeAt(int index) {
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}
Qt::Orientations FlowLine::expandingDirections() const { return Qt::Horizontal; }
bool FlowLine::hasHeightForWidth() const { return true; }
int FlowLine::heightForWidth(int width) const { return arrange(QRect(0, 0, width, 0), false); }

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
        // The left-over width goes to the items that grow, as far as each would like, then evenly.
        const int spare = std::max(0, area.width() - used);
        int wanting = 0;
        int growing = 0;
        for (std::size_t i = first; i < end; ++i) {
            if (grows(visible[i])) {
                ++growing;
                wanting += std::max(1, visible[i]->sizeHint().width());
            }
        }
        std::vector<int> widths;
        int rowHeight = 0;
        int given = 0;
        int seenGrowing = 0;
        for (std::size_t i = first; i < end; ++i) {
            QLayoutItem* item = visible[i];
            int width = std::min(baseWidth(item), area.width());
            if (grows(item) && growing > 0) {
                ++seenGrowing;
                const int share = seenGrowing == growing
                                      ? spare - given
                                      : static_cast<int>(static_cast<long long>(spare) *
                                                         std::max(1, item->sizeHint().width()) / wanting);
                given += share;
                width += share;
                width = std::min(width, item->maximumSize().width());
            }
            widths.push_back(width);
            const int height = item->hasHeightForWidth() ? item->heightForWidth(width) : item->sizeHint().height();
            rowHeight = std::max(rowHeight, std::max(height, item->minimumSize().height()));
        }
        if (place) {
            int x = area.x();
            for (std::size_t i = first; i < end; ++i) {
                QLayoutItem* item = visible[i];
                const int width = widths[i - first];
                const int height = item->hasHeightForWidth()
                                       ? std::min(rowHeight, item->heightForWidth(width))
                                       : std::min(rowHeight, std::max(item->sizeHint().height(), item->minimumSize().height()));
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
