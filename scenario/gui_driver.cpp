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
#include <string_view>

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

// A scenario's text as the toolkit's string, every character kept: reading UTF-8 would take a leading
// byte-order mark for a mark and drop it, where the scenario means the character.
QString scenario_text(const std::string& text) {
    const std::string_view mark = "\xEF\xBB\xBF";
    std::size_t marks = 0;
    while (std::string_view(text).substr(marks * mark.size(), mark.size()) == mark) ++marks;
    return QString(static_cast<qsizetype>(marks), QChar(0xFEFF)) +
           QString::fromUtf8(text.data() + marks * mark.size(), static_cast<qsizetype>(text.size() - marks * mark.size()));
}

// One key press for one character (one code point: a surrogate pair is one key), with the character as
// the event's text. Tab is the Tab key; other control characters have no key of their own.
void key_in(QWidget* w, const QString& character) {
    const char16_t first = character.at(0).unicode();
    const auto code = first == u'\t'                 ? Qt::Key_Tab
                      : first >= 0x20 && first < 0x7F ? Qt::Key(QChar(first).toUpper().unicode())
                                                      : Qt::Key_unknown;
    QTest::sendKeyEvent(QTest::Click, w, code, character, Qt::NoModifier);
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
        // Key by key until a handler closes the page, or the field is full: every later key would be
        // dropped without a trace, as the page model's driver drops them.
        const QString keys = scenario_text(text);
        const auto full = [&] {
            auto* edit = qobject_cast<QLineEdit*>(target.data());
            return edit && !edit->hasSelectedText() && edit->text().size() >= edit->maxLength();
        };
        for (qsizetype i = 0; i < keys.size() && target && !full();) {
            const qsizetype units = keys.at(i).isHighSurrogate() && i + 1 < keys.size() && keys.at(i + 1).isLowSurrogate() ? 2 : 1;
            key_in(target, keys.mid(i, units));
            i += units;
        }
    }
    settle();
}

void GuiDriver::paste(const std::string& page, const std::string& control, const std::string& text) {
    QWidget* target = text_target(page, control);
    bring_into_view(page, widget(page, control));
    QTest::mouseClick(target, Qt::LeftButton);
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QApplication::clipboard()->setText(scenario_text(text));
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    settle();
}

namespace {

// Enabled as the user finds it: the control and every frame around it.
bool enabled_on_screen(const Page& page, const Control& control) {
    for (const Control* c = &control;; c = &page.control(c->frame)) {
        if (!c->enabled) return false;
        if (c->frame.empty()) return true;
    }
}

}  // namespace

std::string GuiDriver::differences_from_model() {
    for (const auto& name : app_.page_names()) {
        qt::PageWindow* window = binding_->window(name);
        if (app_.loaded(name) != (window != nullptr))
            return "page " + name + (window ? " has a window but is not loaded" : " is loaded but has no window");
        if (!window) continue;
        if (window->isVisible() != app_.shown(name))
            return "page " + name + (window->isVisible() ? " has its window shown but is hidden" : " is shown without its window");
        const Page& page = app_.page(name);
        for (const auto& control : page.order()) {
            const Control& c = page.control(control);
            const QWidget* w = window->widget(control);
            const std::string at = name + "." + control;
            // A frame is drawn without a title, a decoration without a text.
            const bool has_text = c.kind != ControlKind::frame && c.kind != ControlKind::decoration;
            const std::string text = qt::PageWindow::control_text(w).toStdString();
            if (has_text && text != c.text) return at + " shows " + quote(text) + " where the model holds " + quote(c.text);
            if (w->isHidden() == c.visible) return at + (c.visible ? " is hidden, visible in the model" : " is visible, hidden in the model");
            if (w->isEnabled() != enabled_on_screen(page, c))
                return at + (w->isEnabled() ? " is enabled, disabled in the model" : " is disabled, enabled in the model");
            if (auto* r = qobject_cast<const QRadioButton*>(w); r && r->isChecked() != c.selected)
                return at + (c.selected ? " is not checked, selected in the model" : " is checked, not selected in the model");
            if (auto* cb = qobject_cast<const QComboBox*>(w)) {
                std::vector<std::string> items;
                for (int i = 0; i < cb->count(); ++i) items.push_back(cb->itemText(i).toStdString());
                if (items != c.items) return at + " lists other items than the model";
            }
        }
    }
    return {};
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
