// The size and place of a page's window.
#include <QLayout>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <algorithm>

#include "ui/qt/page_window.h"

namespace cf::qt {

namespace {

// The window's title bar and borders, once the window manager has drawn them; a guess before.
QSize decoration_of(const QWidget* w) {
    const QSize decoration = w->frameGeometry().size() - w->size();
    return decoration.isEmpty() && !w->isVisible() ? QSize(8, 32) : decoration;
}

// The top-left corner that keeps a window of that outer size wholly in the room, nearest to `at`.
QPoint within(const QRect& room, QPoint at, QSize outside) {
    return {std::clamp(at.x(), room.left(), std::max(room.left(), room.right() + 1 - outside.width())),
            std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() + 1 - outside.height()))};
}

}  // namespace

void PageWindow::fit_to_screen() {
    fit_pending_ = false;
    if (page_) align_shared_cells(*page_);
    content_->layout()->activate();
    QSize wanted = content_->sizeHint().expandedTo(content_->minimumSizeHint());
    if (QWidget* bar = layout()->menuBar()) wanted.rheight() += bar->sizeHint().height();  // a menu bar above
    const QScreen* s = screen();
    if (!s) return;
    const QRect room = s->availableGeometry();
    const QSize decoration = decoration_of(this);
    const QSize most = room.size() - decoration;
    QSize fitted = wanted;
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
    if (wanted.height() > most.height()) fitted.rwidth() += bar;
    if (wanted.width() > most.width()) fitted.rheight() += bar;
    // Growing to show what opens; shrinking only when a choice closed a frame or the page is shown anew;
    // never below what the user made it.
    if (!may_shrink_ && isVisible()) fitted = fitted.expandedTo(size());
    may_shrink_ = false;
    fitted = fitted.expandedTo(users_).boundedTo(most);
    fitted_ = fitted;
    if (size() != fitted) resize(fitted);
    const QPoint on_screen = within(room, pos(), fitted + decoration);
    if (on_screen != pos()) move(on_screen);
}

void PageWindow::place_beside(const QWidget* other) {
    may_shrink_ = true;
    fit_to_screen();
    const QScreen* s = other->screen();
    if (!s) return;
    const QRect room = s->availableGeometry();
    const QRect beside = other->frameGeometry();
    const QSize outside = size() + decoration_of(this);
    // To the right of the other window where there is room, else to its left, else over it.
    QPoint at(beside.right() + 1, beside.top());
    if (at.x() + outside.width() > room.right() + 1) at.setX(beside.left() - outside.width());
    move(within(room, at, outside));
}

void PageWindow::resizeEvent(QResizeEvent* event) {
    // A size the window did not give itself is the user's.
    if (isVisible() && event->size() != fitted_) users_ = event->size();
    QWidget::resizeEvent(event);
}

}  // namespace cf::qt
