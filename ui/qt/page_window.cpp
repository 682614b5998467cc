#include "ui/qt/page_window.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalBlocker>

namespace cf::qt {

namespace {

const char* const caption_property = "caption";

QString q(const std::string& s) { return QString::fromStdString(s); }

// Captions laid out on several lines by runs of blanks ("Calcul du nombre de                Reynolds")
// are drawn with a line break at each run of three blanks or more. A unit keeps its blanks: they leave
// the gap where a raised "-6" stands ("10     Pa/s").
QString drawn_caption(const Control& c) {
    static const QRegularExpression run_of_blanks(" {3,}");
    if (c.look == Look::unit) return q(c.text);
    return q(c.text).replace(run_of_blanks, "\n");
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

void apply_look(QWidget* w, Look look) {
    QFont f = w->font();
    switch (look) {
        case Look::title:
            f.setBold(true);
            f.setPointSizeF(f.pointSizeF() * 1.25);
            break;
        case Look::heading: f.setBold(true); break;
        case Look::warning: w->setStyleSheet("color: #a00000;"); break;
        case Look::note: f.setPointSizeF(f.pointSizeF() * 0.9); break;
        case Look::fixed_width: f.setFamily("monospace"); f.setStyleHint(QFont::Monospace); break;
        case Look::raised:
            f.setPointSizeF(f.pointSizeF() * 0.7);
            if (auto* l = qobject_cast<QLabel*>(w)) l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            break;
        case Look::result: w->setStyleSheet("QLineEdit { background: #eef4ff; font-weight: bold; }"); break;
        case Look::plain:
        case Look::unit:
        case Look::line: break;
    }
    w->setFont(f);
}

}  // namespace

PageWindow::PageWindow(Page& page) : page_(&page) {
    setObjectName(q(page.name()));
    setWindowTitle(q(page.window_title()));
    auto* root = new QGridLayout(this);
    root->setSizeConstraint(QLayout::SetMinimumSize);
    for (const auto& name : page.order()) {
        const Control& c = page.control(name);
        QWidget* parent = c.frame.empty() ? this : widgets_.at(c.frame);
        QWidget* w = make_widget(c, parent);
        w->setObjectName(q(c.name));
        widgets_[c.name] = w;
        auto* grid = static_cast<QGridLayout*>(parent->layout());
        grid->addWidget(w, c.place.row, c.place.column, c.place.row_span, c.place.column_span);
        sync(c);
        connect_user_events(c, w);
    }
    place_raised_labels(page, widgets_);
    page.set_observer(this);
}

PageWindow::~PageWindow() {
    if (page_) page_->set_observer(nullptr);
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
        case ControlKind::field: w = new QLineEdit(parent); break;
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
            cb->setInsertPolicy(QComboBox::NoInsert);
            cb->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            for (const auto& item : c.items) cb->addItem(q(item));
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
    switch (c.kind) {
        case ControlKind::field:
            connect(static_cast<QLineEdit*>(w), &QLineEdit::textEdited, this, [this, name](const QString& text) {
                report([&](Page& p) { p.user_edit(name, text.toStdString()); });
            });
            break;
        case ControlKind::button:
            connect(static_cast<QPushButton*>(w), &QPushButton::clicked, this,
                    [this, name] { report([&](Page& p) { p.user_click(name); }); });
            break;
        case ControlKind::option:
            connect(static_cast<QRadioButton*>(w), &QRadioButton::clicked, this, [this, name] {
                report([&](Page& p) { p.user_click(name); });
                // A click on a selected option button unchecks the widget; the model keeps it selected.
                if (page_ && page_->has(name)) sync(page_->control(name));
            });
            break;
        case ControlKind::combo: {
            auto* cb = static_cast<QComboBox*>(w);
            connect(cb, &QComboBox::textActivated, this, [this, name](const QString& item) {
                report([&](Page& p) { p.user_pick(name, item.toStdString()); });
            });
            connect(cb->lineEdit(), &QLineEdit::textEdited, this, [this, name](const QString& text) {
                report([&](Page& p) { p.user_edit(name, text.toStdString()); });
            });
            break;
        }
        case ControlKind::label:
        case ControlKind::frame:
        case ControlKind::decoration: break;
    }
}

void PageWindow::report(const std::function<void(Page&)>& action) {
    if (page_) action(*page_);
}

void PageWindow::sync(const Control& c) {
    QWidget* w = widgets_.at(c.name);
    const QSignalBlocker blocker(w);
    switch (c.kind) {
        case ControlKind::field: {
            auto* e = static_cast<QLineEdit*>(w);
            if (e->text() != q(c.text)) e->setText(q(c.text));
            break;
        }
        case ControlKind::label: {
            auto* l = static_cast<QLabel*>(w);
            if (l->property(caption_property).toString() != q(c.text) || l->text().isEmpty()) {
                l->setProperty(caption_property, q(c.text));
                l->setText(drawn_caption(c));
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
            if (cb->currentText() != q(c.text)) cb->setEditText(q(c.text));
            break;
        }
        case ControlKind::frame:
        case ControlKind::decoration: break;
    }
    if (w->isHidden() == c.visible) w->setVisible(c.visible);
    if (w->testAttribute(Qt::WA_Disabled) == c.enabled) w->setEnabled(c.enabled);
}

void PageWindow::control_changed(const Page&, const Control& control) { sync(control); }

void PageWindow::focus_requested(const Page&, const Control& control) {
    widgets_.at(control.name)->setFocus(Qt::OtherFocusReason);
}

QString PageWindow::control_text(const QWidget* w) {
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* cb = qobject_cast<const QComboBox*>(w)) return cb->currentText();
    return w->property(caption_property).toString();
}

void PageWindow::closeEvent(QCloseEvent* event) {
    if (close_action_) close_action_();
    event->accept();
}

}  // namespace cf::qt
