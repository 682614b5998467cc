// Qt's painting leaves the upper halves of the vector registers in use; the binding clears them where
// control enters the page model and after each paint of a page window (see ui/qt/vector_state.h).
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <optional>

#include "ui/application.h"
#include "ui/page_builder.h"
#include "ui/qt/qt_binding.h"
#include "ui/qt/vector_state.h"

namespace {

// What one fill of a 32-bit image, as every paint does, leaves behind.
void paint_an_image() {
    QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(10, 20, 30));
}

class VectorState : public ::testing::Test {
protected:
    void SetUp() override {
        if (!cf::qt::vector_state_in_use()) GTEST_SKIP() << "this processor does not tell the state in use";
        paint_an_image();
        if (!*cf::qt::vector_state_in_use()) GTEST_SKIP() << "Qt's fill leaves no vector state in use here";
        app.define_page("p", [this](cf::Page& p) {
            cf::PageBuilder b(p);
            b.row(); b.field("txt_in");
            p.on_change("txt_in", [this](cf::Page&) { in_use_in_handler = cf::qt::vector_state_in_use(); });
        });
        app.show("p");
        QCoreApplication::processEvents();
    }
    cf::Application app;
    cf::qt::QtBinding binding{app, "none"};
    std::optional<bool> in_use_in_handler;
};

TEST_F(VectorState, ThePageModelRunsWithTheStateCleared) {
    QWidget* field = binding.window("p")->widget("txt_in");
    paint_an_image();
    ASSERT_TRUE(*cf::qt::vector_state_in_use());
    QTest::keyClick(field, Qt::Key_1);
    ASSERT_TRUE(in_use_in_handler.has_value());
    EXPECT_FALSE(*in_use_in_handler);
}

TEST_F(VectorState, APaintOfAPageWindowEndsWithTheStateCleared) {
    cf::qt::PageWindow* window = binding.window("p");
    window->update();
    paint_an_image();
    QApplication::sendPostedEvents(window, QEvent::UpdateRequest);
    EXPECT_FALSE(*cf::qt::vector_state_in_use());
}

}  // namespace
