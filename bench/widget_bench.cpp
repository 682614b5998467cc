// Through the real widgets on the offscreen platform: one key pressed in a field until every widget
// is updated and the window has taken in the change.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "bench/bench_pages.h"
#include "bench/table_reporter.h"
#include "scenario/gui_driver.h"

namespace {

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

const bool registered = [] {
    for (const cf::bench::Keystroke& k : cf::bench::heaviest_keystrokes())
        if (k.through_widgets)
            cf::bench::with_spread(
                benchmark::RegisterBenchmark(("widgets keystroke/" + k.name).c_str(), BM_WidgetKeystroke, k))
                ->Unit(benchmark::kMicrosecond);
    return true;
}();

}  // namespace
