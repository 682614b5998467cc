#include "ui/qt/page_window.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>
#include <vector>

#include "core/field_value.h"
#include "ui/qt/field_marks.h"
#include "ui/qt/keyboard.h"
#include "ui/qt/vector_state.h"

namespace cf::qt {

namespace {

const char* const caption_property = "caption";

// The text field of an editable combo list. A combo list activates the item that matches its typed text
// when that text is finished (focus leaves, or Return): the user has picked nothing, so the binding must
// not report it as a pick. This field says when it is finishing.
class ComboText : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    bool finishing() const { return finishing_; }

protected:
    void focusOutEvent(QFocusEvent* event) override {
        finishing_ = true;
        QLineEdit::focusOutEvent(event);
        finishing_ = false;
    }
    void keyPressEvent(QKeyEvent* event) override {
        finishing_ = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        QLineEdit::keyPressEvent(event);
        finishing_ = false;
    }

private:
    bool finishing_ = false;
};

QString q(const std::string& s) { return QString::fromStdString(s); }

// Captions laid out on several lines by runs of blanks ("Calcul du nombre de                Reynolds")
// are drawn with a line break at each run of three blanks or more. A unit keeps its blanks: they leave
// the gap where a raised "-6" stands ("10     Pa.s").
QString drawn_caption(const Control& c) {
    static const QRegularExpression run_of_blanks(" {3,}");
    if (c.look == Look::unit) return q(c.text);
    QString drawn = q(c.text).replace(run_of_blanks, "\n");
    if (c.look == Look::alert && !drawn.isEmpty()) drawn.prepend(QString::fromUtf8("\u26A0 "));
    return drawn;
}

// A long line of text is wrapped in its label, so that it does not make its column, and so its window,
// wider than a screen: the density page fits a 1366×768 screen at 100 % without scrolling sideways.
bool wraps(const QString& drawn) {
    constexpr int longest_unwrapped = 90;  // characters
    const auto lines = drawn.split('\n');
    return std::any_of(lines.begin(), lines.end(), [](const QString& line) { return line.size() > longest_unwrapped; });
}

// A raised label laid over another label's cell stands just after that label's leading number.
void place_raised_labels(const Page& page, const std::map<std::string, QWidget*>& widgets) {
    for (const auto& name : page.order()) {
        const Control& raised = page.control(name);
        if (raised.look != Look::raised) continue;
        for (const auto& other_name : page.order()) {
            const Control& base = page.control(other_name);
            if (&base == &raised || base.kind != ControlKind::label || base.frame != raised.frame ||
                base.place.row != raised.place.row || base.place.column != raised.place.column)
                continue;
            auto* base_label = static_cast<QLabel*>(widgets.at(base.name));
            auto* raised_label = static_cast<QLabel*>(widgets.at(raised.name));
            const QString leading = q(base.text).section(' ', 0, 0);
            // A margin, not an indent: a label's indent also pushes top-aligned text down.
            raised_label->setContentsMargins(base_label->fontMetrics().horizontalAdvance(leading) + 1, 0, 0, 0);
            raised_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            raised_label->parentWidget()->layout()->setAlignment(raised_label, Qt::AlignLeft | Qt::AlignTop);
            base_label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
            base_label->setMinimumHeight(base_label->fontMetrics().height() + raised_label->fontMetrics().height() / 2);
            break;
        }
    }
}

// A button's caption is shown as it stands: '&' is not a mnemonic here.
QString button_caption(const std::string& caption) { return q(caption).replace("&", "&&"); }

const char* const look_property = "calcfluides_look";

// The look of a control, applied once, and again when the page changes it: the font and colours are
// first brought back to the window's, so that a look never keeps a trace of the previous one.
// Says whether it changed anything.
bool apply_look(QWidget* w, Look look) {
    if (w->property(look_property).isValid()) {
        if (w->property(look_property).toInt() == static_cast<int>(look)) return false;
        set_look_sheet(w, {});
        w->setFont(QFont());
    }
    w->setProperty(look_property, static_cast<int>(look));
    QFont f = w->font();
    switch (look) {
        case Look::title:
            f.setBold(true);
            f.setPointSizeF(f.pointSizeF() * 1.25);
            break;
        case Look::heading: f.setBold(true); break;
        case Look::warning:
        case Look::alert: set_look_sheet(w, "color: #a00000;"); break;
        case Look::note: f.setPointSizeF(f.pointSizeF() * 0.9); break;
        case Look::fixed_width: f.setFamily("monospace"); f.setStyleHint(QFont::Monospace); break;
        case Look::raised:
            f.setPointSizeF(f.pointSizeF() * 0.7);
            if (auto* l = qobject_cast<QLabel*>(w)) l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            break;
        case Look::result: set_look_sheet(w, "QLineEdit { background: #eef4ff; font-weight: bold; }"); break;
        case Look::plain:
        case Look::unit:
        case Look::line:
        case Look::status: break;
    }
    w->setFont(f);
    return true;
}

}  // namespace

PageWindow::PageWindow(Page& page) : page_(&page) {
    setObjectName(q(page.name()));
    setWindowTitle(q(page.window_title()));
    // The page's content in a scroll area that fills the window.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);  // no stop of Tab's that the user cannot see
    scroll_->setWidgetResizable(true);
    content_ = new QWidget;
    new QGridLayout(content_);
    scroll_->setWidget(content_);
    outer->addWidget(scroll_);
    for (const auto& name : page.order()) {
        const Control& c = page.control(name);
        QWidget* parent = c.frame.empty() ? content_ : widgets_.at(c.frame);
        QWidget* w = make_widget(c, parent);
        w->setObjectName(q(c.name));
        if (!c.frame.empty() && c.kind != ControlKind::frame) {
            // A control hidden inside a shown frame keeps its room: the frame does not change size as
            // results appear and disappear while typing.
            QSizePolicy policy = w->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            w->setSizePolicy(policy);
        }
        widgets_[c.name] = w;
        auto* grid = static_cast<QGridLayout*>(parent->layout());
        grid->addWidget(w, c.place.row, c.place.column, c.place.row_span, c.place.column_span);
        sync(c);
        connect_user_events(c, w);
    }
    place_raised_labels(page, widgets_);
    set_tab_order(page);
    align_shared_cells(page);
    page.set_observer(this);
}

PageWindow::~PageWindow() {
    detach();
    // The widgets go while this is still a PageWindow: a field that loses its focus as it goes may still
    // signal, and finds a window that reports nothing.
    delete scroll_;
}

void PageWindow::detach() {
    if (page_) page_->set_observer(nullptr);
    page_ = nullptr;
}

QWidget* PageWindow::widget(const std::string& control) const {
    auto it = widgets_.find(control);
    return it == widgets_.end() ? nullptr : it->second;
}

QWidget* PageWindow::make_widget(const Control& c, QWidget* parent) {
    QWidget* w = nullptr;
    switch (c.kind) {
        case ControlKind::field: {
            auto* e = new QLineEdit(parent);
            e->setMaxLength(static_cast<int>(field_input::max_length));
            if (is_result(c)) {
                // A result can be selected and copied, not typed into; Tab passes it by.
                e->setReadOnly(true);
                e->setFocusPolicy(Qt::ClickFocus);
            }
            w = e;
            break;
        }
        case ControlKind::label: {
            auto* l = new QLabel(parent);
            l->setTextFormat(Qt::PlainText);
            w = l;
            break;
        }
        case ControlKind::frame: {
            auto* f = new QFrame(parent);
            f->setFrameShape(QFrame::StyledPanel);
            auto* grid = new QGridLayout(f);
            grid->setAlignment(Qt::AlignTop);
            w = f;
            break;
        }
        case ControlKind::button: w = new QPushButton(parent); break;
        case ControlKind::option: {
            auto* r = new QRadioButton(parent);
            r->setAutoExclusive(false);  // the model owns the option groups
            w = r;
            break;
        }
        case ControlKind::combo: {
            auto* cb = new QComboBox(parent);
            cb->setEditable(true);
            cb->setLineEdit(new ComboText(cb));
            cb->lineEdit()->setMaxLength(static_cast<int>(field_input::max_length));
            cb->setCompleter(nullptr);  // what is typed stays as typed: "1" is not completed to "1.0"
            cb->setInsertPolicy(QComboBox::NoInsert);
            cb->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            for (const auto& item : c.items) cb->addItem(q(item));
            if (is_result(c)) {
                cb->lineEdit()->setReadOnly(true);
                cb->setFocusPolicy(Qt::ClickFocus);
            }
            w = cb;
            break;
        }
        case ControlKind::decoration: {
            auto* f = new QFrame(parent);
            if (c.look == Look::line) f->setFrameShape(QFrame::HLine);
            w = f;
            break;
        }
    }
    apply_look(w, c.look);
    return w;
}

void PageWindow::connect_user_events(const Control& c, QWidget* w) {
    const std::string name = c.name;
    // What the user typed goes to the model, which keeps of it what a field keeps (field_input): the
    // widget then shows what the model holds.
    const auto edited = [this, name](const QString& text) {
        report([&](Page& p) { p.user_edit(name, text.toStdString()); });
        if (page_ && page_->has(name)) sync(page_->control(name));
    };
    switch (c.kind) {
        case ControlKind::field:
            connect(static_cast<QLineEdit*>(w), &QLineEdit::textEdited, this, edited);
            break;
        case ControlKind::button:
            connect(static_cast<QPushButton*>(w), &QPushButton::clicked, this, [this, name] {
                if (click_guard_ && !click_guard_(name)) return;
                report([&](Page& p) { p.user_click(name); }, true);
            });
            break;
        case ControlKind::option:
            connect(static_cast<QRadioButton*>(w), &QRadioButton::clicked, this, [this, name] {
                report([&](Page& p) { p.user_click(name); }, true);
                // A click on a selected option button unchecks the widget; the model keeps it selected.
                if (page_ && page_->has(name)) sync(page_->control(name));
            });
            break;
        case ControlKind::combo: {
            auto* cb = static_cast<QComboBox*>(w);
            auto* text = static_cast<const ComboText*>(cb->lineEdit());
            connect(cb, &QComboBox::textActivated, this, [this, name, text](const QString& item) {
                if (text->finishing()) return;  // typed, not picked
                report([&](Page& p) { p.user_pick(name, item.toStdString()); }, true);
            });
            connect(cb->lineEdit(), &QLineEdit::textEdited, this, edited);
            break;
        }
        case ControlKind::label:
        case ControlKind::frame:
        case ControlKind::decoration: break;
    }
}

void PageWindow::report(const std::function<void(Page&)>& action, bool choice) {
    if (!page_) return;
    clear_vector_state();  // Qt's painting may have left it in use: the page model runs clean
    choosing_ = choice;
    typing_ = !choice;
    focus_said_ = false;
    opened_.clear();
    action(*page_);
    choosing_ = false;
    typing_ = false;
    // A choice that shows a frame of inputs: the first of them gets the focus, unless the page said where.
    if (!page_ || focus_said_ || opened_.empty()) return;
    for (QWidget* w : tab_chain_) {
        if (!w->isEnabled() || w->isHidden() || qobject_cast<QAbstractButton*>(w)) continue;
        const bool in_opened = std::any_of(opened_.begin(), opened_.end(), [w](QWidget* f) { return f->isAncestorOf(w); });
        if (!in_opened || !w->isVisibleTo(this)) continue;
        w->setFocus(Qt::TabFocusReason);
        break;
    }
}

bool PageWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // The window's widgets are painted in one go at its update request: what the paint leaves in the
    // vector registers is cleared at once, so that Qt's own code after it does not pay either.
    if (event->type() == QEvent::UpdateRequest || event->type() == QEvent::Paint) clear_vector_state();
    // Shown, its widgets are polished with the display's fonts and style: fitted again to their sizes.
    if (event->type() == QEvent::Show) {
        framed_ = false;
        schedule_fit();
    }
    // A window placed before the window manager had framed it (a calculation opened at start-up) may
    // have been framed with its title bar above the screen: at its first paint the frame is known, and
    // the window is brought back wholly onto the screen.
    if (event->type() == QEvent::UpdateRequest && !framed_) {
        framed_ = true;
        schedule_fit();
    }
    return handled;
}

void PageWindow::sync(const Control& c) {
    QWidget* w = widgets_.at(c.name);
    const QSignalBlocker blocker(w);
    const bool look_changed = apply_look(w, c.look);
    switch (c.kind) {
        case ControlKind::field: {
            auto* e = static_cast<QLineEdit*>(w);
            if (e->text() != q(c.text)) {
                e->setText(q(c.text));
                if (e->isReadOnly()) e->setCursorPosition(0);  // a long result shows its first digits
            }
            draw_mark(e, c.mark);
            break;
        }
        case ControlKind::label: {
            auto* l = static_cast<QLabel*>(w);
            if (look_changed || l->property(caption_property).toString() != q(c.text) || l->text().isEmpty()) {
                l->setProperty(caption_property, q(c.text));
                l->setText(drawn_caption(c));
                l->setWordWrap(wraps(l->text()));
            }
            break;
        }
        case ControlKind::button:
        case ControlKind::option: {
            auto* b = static_cast<QAbstractButton*>(w);
            if (b->property(caption_property).toString() != q(c.text) || b->text().isEmpty()) {
                b->setProperty(caption_property, q(c.text));
                b->setText(button_caption(c.text));
            }
            if (c.kind == ControlKind::option && b->isChecked() != c.selected) b->setChecked(c.selected);
            break;
        }
        case ControlKind::combo: {
            auto* cb = static_cast<QComboBox*>(w);
            const QSignalBlocker line_blocker(cb->lineEdit());
            if (cb->currentText() != q(c.text)) {
                cb->setEditText(q(c.text));
                cb->lineEdit()->setCursorPosition(0);
            }
            draw_mark(cb->lineEdit(), c.mark);
            break;
        }
        case ControlKind::frame:
        case ControlKind::decoration: break;
    }
    if (w->isHidden() == c.visible) {
        w->setVisible(c.visible);
        if (c.kind == ControlKind::frame && c.visible && choosing_) opened_.push_back(w);
        if (c.kind == ControlKind::frame && !c.visible && !typing_) may_shrink_ = true;  // in any window
        schedule_fit();
    }
    if (w->testAttribute(Qt::WA_Disabled) == c.enabled) w->setEnabled(c.enabled);
}

void PageWindow::set_tab_order(const Page& page) {
    tab_chain_.clear();
    for (const Control* c : keyboard_order(page)) tab_chain_.push_back(widgets_.at(c->name));
    for (std::size_t i = 1; i < tab_chain_.size(); ++i) setTabOrder(tab_chain_[i - 1], tab_chain_[i]);
}

void PageWindow::align_shared_cells(const Page& page) {
    // Controls drawn over the same cell of a grid take the width of the widest of them. Inner frames
    // come later in design order: going backwards sizes them before the frames around them.
    std::map<std::tuple<std::string, int, int>, std::vector<QWidget*>> cells;
    for (const auto& name : page.order()) {
        const Control& c = page.control(name);
        if (c.look == Look::raised) continue;  // laid over its base label, not an alternative to it
        cells[{c.frame, c.place.row, c.place.column}].push_back(widgets_.at(c.name));
    }
    for (auto it = page.order().rbegin(); it != page.order().rend(); ++it) {
        const Control& c = page.control(*it);
        auto cell = cells.find({c.frame, c.place.row, c.place.column});
        if (cell == cells.end() || cell->second.size() < 2 || cell->second.front() != widgets_.at(c.name)) continue;
        int width = 0;
        for (QWidget* w : cell->second) {
            if (w->layout()) w->layout()->activate();
            width = std::max(width, w->sizeHint().width());
        }
        for (QWidget* w : cell->second) w->setMinimumWidth(std::max(width, w->minimumWidth()));
    }
}

void PageWindow::schedule_fit() {
    if (fit_pending_) return;
    fit_pending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (fit_pending_) fit_to_screen();
    });
}

void PageWindow::ensure_visible(QWidget* widget) {
    if (widget && content_->isAncestorOf(widget)) scroll_->ensureWidgetVisible(widget, 0, 0);
}

void PageWindow::control_changed(const Page&, const Control& control) { sync(control); }

void PageWindow::focus_requested(const Page&, const Control& control) {
    focus_said_ = true;
    widgets_.at(control.name)->setFocus(Qt::OtherFocusReason);
}

void PageWindow::keyPressEvent(QKeyEvent* event) {
    if (click_on_enter(focusWidget(), event)) return event->accept();
    QWidget::keyPressEvent(event);
}

QString PageWindow::control_text(const QWidget* w) {
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* cb = qobject_cast<const QComboBox*>(w)) return cb->currentText();
    return w->property(caption_property).toString();
}

void PageWindow::closeEvent(QCloseEvent* event) {
    if (close_guard_ && !close_guard_()) return event->ignore();
    const std::string name = page_ ? page_->name() : "";
    if (close_action_) close_action_();
    // The close went through the page: the window stays only if the page is still shown.
    if (page_ && page_->name() == name && page_->page_shown())
        event->ignore();
    else
        event->accept();
}

}  // namespace cf::qt
