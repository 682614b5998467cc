#include "scenario/gui_driver.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "shell/page_names.h"
#include "program/program.h"

namespace cf::scenario {

namespace {

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ControlKind kind_of(const QWidget* w) {
    if (qobject_cast<const QLineEdit*>(w)) return ControlKind::field;
    if (qobject_cast<const QComboBox*>(w)) return ControlKind::combo;
    if (qobject_cast<const QRadioButton*>(w)) return ControlKind::option;
    if (qobject_cast<const QAbstractButton*>(w)) return ControlKind::button;
    if (w->inherits("QLabel")) return ControlKind::label;
    return w->layout() ? ControlKind::frame : ControlKind::decoration;
}

// One key press per character, with the character as the event's text (accented letters included).
void key_in(QWidget* w, const QString& text) {
    for (const QChar ch : text) {
        const auto code = ch.unicode() < 0x80 ? Qt::Key(ch.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, w, code, QString(ch), Qt::NoModifier);
    }
}

}  // namespace

GuiDriver::GuiDriver()
    : binding_(std::make_unique<qt::QtBinding>(app_, pages::home)),
      records_(std::make_unique<records::qt::RecordsUi>(*binding_, journals_, prompts_)) {
    // A scenario's user leaves unsaved work without saving it when asked.
    prompts_.when_none_left = records::qt::Prompts::Unsaved::discard;
    start_calcfluides(app_);
    settle();
}

GuiDriver::~GuiDriver() {
    records_.reset();
    binding_.reset();
    settle();
}

std::string GuiDriver::through_menu(const std::string& page, const QString& caption, const std::string& path) {
    QAction* action = records_->action(page, caption);
    if (!action) return "page " + page + " has no menu " + caption.toStdString();
    prompts_.messages.clear();
    prompts_.files = {QString::fromStdString(path)};
    action->trigger();
    settle();
    if (!prompts_.files.empty()) return "the menu " + caption.toStdString() + " asked for no file";
    return prompts_.messages.isEmpty() ? "" : prompts_.messages.last().toStdString();
}

std::string GuiDriver::save(const std::string& page, const std::string& path) {
    return through_menu(page, "Enregistrer sous…", path);
}

std::string GuiDriver::export_sheet(const std::string& page, const std::string& path) {
    return through_menu(page, "Exporter la feuille de calcul (PDF)…", path);
}

std::string GuiDriver::open(const std::string& path) {
    // From the menu of a calculation page on screen, or as the command line opens it when only the home
    // page is.
    for (const std::string& page : app_.page_names()) {
        qt::PageWindow* w = binding_->window(page);
        if (w && w->isVisible() && records_->action(page, "Ouvrir…")) return through_menu(page, "Ouvrir…", path);
    }
    prompts_.messages.clear();
    records_->open_file(QString::fromStdString(path));
    settle();
    return prompts_.messages.isEmpty() ? "" : prompts_.messages.last().toStdString();
}

QWidget* GuiDriver::widget(const std::string& page, const std::string& control) const {
    qt::PageWindow* w = binding_->window(page);
    return w ? w->widget(control) : nullptr;
}

QWidget* GuiDriver::text_target(const std::string& page, const std::string& control) const {
    QWidget* w = widget(page, control);
    if (auto* cb = qobject_cast<QComboBox*>(w)) return cb->lineEdit();
    return w;
}

void GuiDriver::bring_into_view(const std::string& page, QWidget* w) const {
    if (qt::PageWindow* window = binding_->window(page)) window->ensure_visible(w);
}

std::optional<ControlView> GuiDriver::view(const std::string& page, const std::string& control) {
    QWidget* w = widget(page, control);
    if (!w) return std::nullopt;
    ControlView v{};
    v.kind = kind_of(w);
    v.text = qt::PageWindow::control_text(w).toStdString();
    v.visible = !w->isHidden();
    v.shown = w->isVisible();
    v.enabled = w->isEnabled();
    if (auto* r = qobject_cast<QRadioButton*>(w)) v.selected = r->isChecked();
    QWidget* focus_target = text_target(page, control);
    v.focused = w->window()->focusWidget() == focus_target || w->window()->focusWidget() == w;
    if (auto* cb = qobject_cast<QComboBox*>(w))
        for (int i = 0; i < cb->count(); ++i) v.items.push_back(cb->itemText(i).toStdString());
    if (auto* e = qobject_cast<QLineEdit*>(focus_target)) v.editable = !e->isReadOnly();
    return v;
}

PageState GuiDriver::page_state(const std::string& page) {
    qt::PageWindow* w = binding_->window(page);
    if (!w) return PageState::unloaded;
    return w->isVisible() ? PageState::shown : PageState::hidden;
}

void GuiDriver::click(const std::string& page, const std::string& control) {
    QWidget* w = widget(page, control);
    bring_into_view(page, w);
    if (auto* r = qobject_cast<QRadioButton*>(w)) {
        // An option button reacts to its indicator and caption, not to the whole cell it is laid in.
        QStyleOptionButton option;
        option.initFrom(r);
        const QRect indicator = r->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, r);
        QTest::mouseClick(r, Qt::LeftButton, Qt::NoModifier, indicator.center());
    } else {
        QTest::mouseClick(w, Qt::LeftButton);
    }
    settle();
}

void GuiDriver::type(const std::string& page, const std::string& control, const std::string& text) {
    QPointer<QWidget> target = text_target(page, control);
    bring_into_view(page, widget(page, control));
    QTest::mouseClick(target, Qt::LeftButton);
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);  // select the whole text
    if (text.empty()) {
        QTest::keyClick(target, Qt::Key_Backspace);
    } else {
        for (const QChar ch : QString::fromStdString(text)) {
            if (!target) break;  // a handler closed the page: the keys go nowhere
            key_in(target, QString(ch));
        }
    }
    settle();
}

void GuiDriver::paste(const std::string& page, const std::string& control, const std::string& text) {
    QWidget* target = text_target(page, control);
    bring_into_view(page, widget(page, control));
    QTest::mouseClick(target, Qt::LeftButton);
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QApplication::clipboard()->setText(QString::fromStdString(text));
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    settle();
}

void GuiDriver::pick(const std::string& page, const std::string& control, const std::string& item) {
    auto* cb = qobject_cast<QComboBox*>(widget(page, control));
    bring_into_view(page, cb);
    const int index = cb->findText(QString::fromStdString(item), Qt::MatchExactly);
    cb->showPopup();
    settle();
    QAbstractItemView* list = cb->view();
    const QModelIndex model_index = list->model()->index(index, cb->modelColumn(), list->rootIndex());
    list->scrollTo(model_index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualRect(model_index).center());
    settle();
}

}  // namespace cf::scenario
