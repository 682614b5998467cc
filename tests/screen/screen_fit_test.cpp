// Every window of the program against a real screen size and scale, with every frame of the page open
// and every control shown: the window fits the screen, and every button can be scrolled to and clicked.
// CTest runs it on several screens: CALCFLUIDES_SCREEN=WIDTHxHEIGHT in device pixels, QT_SCALE_FACTOR.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QScreen>
#include <QTest>
#include <cstdio>
#include <string>
#include <vector>

#include "scenario/gui_driver.h"
#include "shell/page_names.h"
#include "program/program.h"
#include "ui/qt/headless.h"

namespace {

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::vector<std::string> page_names() {
    cf::Application scratch;
    cf::start_calcfluides(scratch);
    return scratch.page_names();
}

bool overlap(const cf::Placement& a, const cf::Placement& b) {
    return a.row < b.row + b.row_span && b.row < a.row + a.row_span && a.column < b.column + b.column_span &&
           b.column < a.column + a.column_span;
}

// The page at its largest: shown, with every control visible and enabled. Controls drawn over the same
// area are all shown, so that the window takes the size of the largest; to reach one control, what is
// drawn over it and over the frames around it is hidden, as the page itself does.
cf::qt::PageWindow& open_everything(cf::scenario::GuiDriver& driver, const std::string& name,
                                    const std::string& to_reach = "") {
    cf::Application& app = driver.app();
    app.show(name);
    cf::Page& page = app.page(name);
    for (const auto& control : page.order()) {
        page.set_visible(control, true);
        page.set_enabled(control, true);
    }
    for (std::string at = to_reach; !at.empty(); at = page.control(at).frame) {
        const cf::Control& mine = page.control(at);
        for (const auto& other : page.order()) {
            const cf::Control& c = page.control(other);
            if (c.name != mine.name && c.frame == mine.frame && c.look != cf::Look::raised && overlap(c.place, mine.place))
                page.set_visible(c.name, false);
        }
    }
    settle();
    return *driver.binding().window(name);
}

class EveryWindow : public ::testing::TestWithParam<std::string> {};

TEST_P(EveryWindow, FitsTheScreenAndEveryButtonCanBeReachedAndClicked) {
    std::vector<std::string> buttons;
    {
        cf::scenario::GuiDriver driver;
        cf::qt::PageWindow& window = open_everything(driver, GetParam());
        const QRect room = window.screen()->availableGeometry();
        EXPECT_TRUE(room.contains(window.frameGeometry())) << "window " << window.frameGeometry().width() << "×"
                                                           << window.frameGeometry().height() << " on a screen of "
                                                           << room.width() << "×" << room.height();
        for (const auto& control : driver.app().page(GetParam()).order()) {
            const cf::ControlKind kind = driver.app().page(GetParam()).control(control).kind;
            if (kind == cf::ControlKind::button || kind == cf::ControlKind::option) buttons.push_back(control);
        }
    }
    for (const auto& button : buttons) {
        // A fresh run for each button: a click may lock, hide or unload what the next one needs.
        cf::scenario::GuiDriver driver;
        cf::qt::PageWindow& window = open_everything(driver, GetParam(), button);
        int clicks = 0;
        driver.app().page(GetParam()).on_click(button, [&](cf::Page&) { ++clicks; });
        QWidget* w = window.widget(button);
        window.ensure_visible(w);
        settle();
        const QWidget* viewport = window.scroll_area()->viewport();
        const QRect seen(w->mapTo(viewport, QPoint(0, 0)), w->size());
        EXPECT_TRUE(viewport->rect().intersects(seen)) << button << " cannot be scrolled into view";
        const QPoint centre = w->mapTo(&window, w->rect().center());
        QWidget* under = window.childAt(centre);
        EXPECT_TRUE(under == w || w->isAncestorOf(under)) << button << " is covered by "
                                                          << (under ? under->objectName().toStdString() : "nothing");
        driver.click(GetParam(), button);
        EXPECT_EQ(clicks, 1) << button << " did not take the click";
    }
}

// On a screen of 1366 logical pixels or more, the density page in use needs no scrolling sideways: its
// long texts wrap.
TEST(DensityPage, InUseNeedsNoSidewaysScroll) {
    cf::scenario::GuiDriver driver;
    if (QApplication::primaryScreen()->availableGeometry().width() < 1366) GTEST_SKIP() << "a narrower screen";
    driver.click(cf::pages::home, "bt_dvs_calculs_de_masses_volumiques");
    for (const char* choice : {"bt_gaz20", "bt_RHOc20", "opbt_RHOc21"}) driver.click(cf::pages::density, choice);
    settle();
    const cf::qt::PageWindow& window = *driver.binding().window(cf::pages::density);
    EXPECT_FALSE(window.scroll_area()->horizontalScrollBar()->isVisible()) << window.width();
}

INSTANTIATE_TEST_SUITE_P(Pages, EveryWindow, ::testing::ValuesIn(page_names()),
                         [](const auto& info) {
                             std::string name;  // test names are ASCII letters and digits
                             for (unsigned char c : info.param) name += std::isalnum(c) ? char(c) : '_';
                             return name + "_" + std::to_string(info.index);
                         });

}  // namespace

int main(int argc, char** argv) {
    int width = 1600, height = 1200;
    if (const char* screen = std::getenv("CALCFLUIDES_SCREEN")) std::sscanf(screen, "%dx%d", &width, &height);
    cf::qt::use_offscreen_screen(width, height);
    cf::qt::quiet_platform_notices();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
