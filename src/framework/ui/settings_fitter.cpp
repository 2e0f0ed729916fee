#include "settings_fitter.h"

#include "picture_box.h"

#include <QEvent>
#include <QLayout>
#include <QScrollArea>

#include <algorithm>
#include <functional>

namespace ornavo::ui {

namespace {

// Forgets what the layouts between the widget and `top` remembered of their sizes, so that they are
// measured anew (the layouts themselves are redone when the window next handles its events).
void forgetSizes(QWidget* widget, QWidget* top) {
    std::function<void(QLayout*)> invalidate = [&invalidate](QLayout* layout) {
        layout->invalidate();
        for (int i = 0; i < layout->count(); ++i)
            if (QLayout* inner = layout->itemAt(i)->layout())
                invalidate(inner);
    };
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        w->updateGeometry();
        if (w->layout())
            invalidate(w->layout());
        if (w == top)
            break;
    }
}

} // namespace

SettingsFitter::SettingsFitter(QScrollArea* settings, QWidget* below, int belowLeast,
                               std::vector<PictureBox*> samples)
    : QObject(settings), settings_(settings), below_(below), belowLeast_(belowLeast),
      samples_(std::move(samples)), viewport_(settings->viewport()) {
    viewport_->installEventFilter(this);
}

bool SettingsFitter::eventFilter(QObject* watched, QEvent* event) {
    // The viewport as it was when the filter was installed: while the scroll area is being destroyed
    // it is a scroll area no more, and may not be asked for its viewport.
    if (watched == viewport_ && event->type() == QEvent::Resize)
        fit();
    return QObject::eventFilter(watched, event);
}

int SettingsFitter::sharedHeight() const {
    // The window's height less its margins, what else stands in its column (a bar at the top) and
    // the spacing between them; measured from the window, which is at its size before its layout is.
    QWidget* window = below_->parentWidget();
    const QLayout* layout = window->layout();
    const QMargins margins = layout->contentsMargins();
    int height = window->height() - margins.top() - margins.bottom();
    int shown = 0;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->isEmpty())
            continue;
        ++shown;
        if (item->widget() != settings_ && item->widget() != below_)
            height -= item->sizeHint().height();
    }
    return height - layout->spacing() * std::max(0, shown - 1);
}

int SettingsFitter::need(double scale) {
    QWidget* content = settings_->widget();
    for (PictureBox* box : samples_) {
        box->setScale(scale);
        forgetSizes(box, content);
    }
    const int width = settings_->viewport()->width();
    return content->hasHeightForWidth() ? content->heightForWidth(width) : content->sizeHint().height();
}

void SettingsFitter::fit() {
    if (fitting_ || !settings_->widget())
        return;
    fitting_ = true;
    const int shared = sharedHeight();
    const int full = need(1);
    const int belowHeight = std::max(belowLeast_, shared - full);
    const int room = shared - belowHeight;
    double scale = 1;
    if (full > room && !samples_.empty()) {
        // The need falls as the samples shrink: halve the interval a few times, keeping what fits.
        double low = kLeastScale, high = 1;
        if (need(low) <= room) {
            for (int step = 0; step < 8; ++step) {
                const double middle = (low + high) / 2;
                (need(middle) <= room ? low : high) = middle;
            }
        }
        scale = low;
        need(scale);
    }
    scale_ = scale;
    if (below_->height() != belowHeight || below_->minimumHeight() != belowHeight)
        below_->setFixedHeight(belowHeight);
    fitting_ = false;
}

} // namespace ornavo::ui
