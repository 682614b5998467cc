// In a process that has created its QApplication and painted windows, as the program users run: the
// engine's keystroke entered as the binding enters the page model, and one key pressed in a field through
// the real widgets (offscreen) until every widget is updated and the window has taken in the change.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "bench/bench_pages.h"
#include "bench/table_reporter.h"
#include "scenario/gui_driver.h"
#include "ui/qt/vector_state.h"

namespace {

// The page model alone, no window of its own, after a window of another run has been painted: Qt's
// painting has been at work in this process, and the binding's entry into the page model comes first.
void BM_KeystrokeInQt(benchmark::State& state, const cf::bench::Keystroke& k) {
    cf::scenario::GuiDriver painted;
    k.prepare(painted.app());
    QCoreApplication::processEvents();
    painted.binding().window(k.page)->grab();
    cf::bench::type_keystrokes(state, k, cf::qt::clear_vector_state);
}

void BM_WidgetKeystroke(benchmark::State& state, const cf::bench::Keystroke& k) {
    cf::scenario::GuiDriver driver;
    k.prepare(driver.app());
    QCoreApplication::processEvents();
    auto* field = qobject_cast<QLineEdit*>(driver.binding().window(k.page)->widget(k.field));
    field->setText(QString::fromStdString(k.text));
    field->setCursorPosition(field->text().size());
    bool added = false;
    for (auto _ : state) {
        // A digit typed after the text, then erased again: two texts, each computed anew.
        if (added)
            QTest::keyClick(field, Qt::Key_Backspace);
        else
            QTest::keyClick(field, Qt::Key_5, Qt::NoModifier);
        added = !added;
        QCoreApplication::processEvents();
    }
}

}  // namespace

namespace cf::bench {

void register_qt_benchmarks() {
    for (const Keystroke& k : heaviest_keystrokes())
        if (k.through_widgets)
            with_spread(benchmark::RegisterBenchmark(("engine keystroke in Qt/" + k.name).c_str(), BM_KeystrokeInQt, k));
    for (const Keystroke& k : heaviest_keystrokes())
        if (k.through_widgets)
            with_spread(benchmark::RegisterBenchmark(("widgets keystroke/" + k.name).c_str(), BM_WidgetKeystroke, k))
                ->Unit(benchmark::kMicrosecond);
}

}  // namespace cf::bench
