// What a text field keeps of what the user types or pastes: the page model's rule (field_input) against
// a real line edit, and the two scenario drivers against each other on awkward texts.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <random>
#include <stdexcept>
#include <string_view>
#include <string>
#include <vector>

#include "scenario/gui_driver.h"
#include "scenario/model_driver.h"
#include "ui/page.h"

namespace {

namespace field_input = cf::field_input;

std::string utf8(char32_t code) { return QString::fromUcs4(&code, 1).toStdString(); }

// Every key of the basic plane, and characters of every other plane, typed into a real line edit: it
// takes exactly the keys the rule says enter.
TEST(LineEdit, TakesTheKeysTheFieldRuleLetsIn) {
    // Laying out the scripts that the fonts at hand do not cover draws a notice for each: not ours.
    static QtMessageHandler before = nullptr;
    before = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.contains("OpenType support missing")) before(type, context, message);
    });
    QLineEdit edit;
    const auto takes = [&](char32_t code) {
        edit.clear();
        QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString::fromUcs4(&code, 1), Qt::NoModifier);
        return !edit.text().isEmpty();
    };
    std::vector<char32_t> codes;
    for (char32_t code = 0; code < 0x10000; ++code)
        if (code != '\t' && (code < 0xD800 || code > 0xDFFF)) codes.push_back(code);
    for (char32_t plane = 1; plane <= 16; ++plane)
        for (char32_t low : {0x0000, 0x0001, 0x0378, 0xF600, 0xFFFD, 0xFFFE, 0xFFFF}) codes.push_back(plane << 16 | low);
    for (char32_t code : codes) {
        const bool enters = field_input::typed(utf8(code)) == field_input::Key::enters;
        ASSERT_EQ(takes(code), enters) << "U+" << std::hex << static_cast<unsigned>(code);
    }
    EXPECT_EQ(field_input::typed("\t"), field_input::Key::moves_focus);
    qInstallMessageHandler(before);
}

// Random bytes, read as the toolkit reads UTF-8: each byte that starts no well-formed character is one
// U+FFFD, and the byte-order marks at the start are dropped.
TEST(LineEdit, ReadsUtf8AsTheFieldRuleSays) {
    std::mt19937 random(5167);
    static const unsigned char bytes[] = {0x00, 0x31, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBB, 0xBF, 0xC0, 0xC1, 0xC2,
                                          0xDF, 0xE0, 0xE2, 0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xF8, 0xFE, 0xFF};
    for (int i = 0; i < 200000; ++i) {
        std::string text;
        for (std::size_t n = random() % 10; n > 0; --n)
            text += static_cast<char>(random() % 3 ? bytes[random() % std::size(bytes)] : random() % 256);
        QString read = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        while (read.startsWith(QChar(0xFEFF))) read.remove(0, 1);
        ASSERT_EQ(field_input::kept(text), read.toStdString()) << QByteArray::fromStdString(text).toHex().toStdString();
    }
}

struct Awkward {
    const char* what;
    std::string before;  // what the field holds first, pasted
    std::string text;    // then typed, or pasted
    bool typed_too = true;
};

const std::vector<Awkward>& awkward_texts() {
    const std::string full(field_input::max_length, '7');
    static const std::vector<Awkward> texts = {
        {"an emoji", "9", "1😀2"},
        {"an emoji with a skin tone", "9", "👍🏽"},
        {"a family joined by ZWJ", "9", "👨‍👩‍👧"},
        {"a flag", "9", "🇫🇷3"},
        {"combining accents after their letter", "9", "e\u0301\u0327a\u0308"},
        {"CJK", "9", "流量 12"},
        {"a Tab in the middle", "9", "1\t2"},
        {"a Tab first", "9", "\t2"},
        {"a Tab last", "9", "12\t"},
        {"C0 controls", "9", "\x01" "1\x1b" "2\r\n3\b"},
        {"DEL and a C1 control", "9", "4\x7f" "5\u0085" "6"},
        {"NUL", "9", std::string("1\0" "2", 3)},
        {"format characters", "9", "7\u200b\u00ad" "8"},
        {"byte-order marks", "9", "\uFEFF\uFEFF" "1\uFEFF" "2"},
        {"unassigned and noncharacters", "9", "1\u0378\uFFFF\U0010FFFF" "2"},
        {"private use", "9", "\uE000" "3\U000F0000"},
        {"invalid UTF-8", "9", "1\xff" "2\xc3(\xed\xa0\x80\xe2\x82" "3\xf4\x90\x80\x80\xc0\xaf"},
        {"a truncated sequence last", "9", "5\xf0\x9f\x98"},
        {"an emoji cut by a full field", full.substr(1), "\t😀1"},
        {"a full field", full, "\t12"},
        {"a paste longer than a field holds", "9", full + "8😀", false},
        {"an emoji cut by the end of a paste", "9", full.substr(1) + "😀", false},
        {"nothing that enters", "9", "\x01\x02\t"},
        {"the empty text", "9", ""},
    };
    return texts;
}

const Awkward& named(std::string_view what) {
    for (const Awkward& a : awkward_texts())
        if (a.what == what) return a;
    throw std::out_of_range(std::string(what));
}

// What a driver leaves in DVS.txt_vitesse31 after `before` is pasted and `text` typed or pasted, and
// how many Change events the text raised.
struct Result {
    std::string text;
    int changes = 0;
    bool operator==(const Result&) const = default;
};

class BothDrivers : public ::testing::Test {
protected:
    static Result enter(cf::scenario::Driver& driver, const Awkward& a, bool type) {
        static int changes = 0;
        if (!driver.app().loaded("DVS")) {
            driver.click("f_Départ", "bt_départ_calcul_DVS");
            driver.click("DVS", "bt_débit");
            driver.app().page("DVS").on_change("txt_vitesse31", [](cf::Page&) { ++changes; });
        }
        driver.paste("DVS", "txt_vitesse31", a.before);
        changes = 0;
        if (type)
            driver.type("DVS", "txt_vitesse31", a.text);
        else
            driver.paste("DVS", "txt_vitesse31", a.text);
        return {driver.view("DVS", "txt_vitesse31")->text, changes};
    }
};

TEST_F(BothDrivers, EndWithTheSameFieldTextOnAwkwardTexts) {
    cf::scenario::ModelDriver model;
    cf::scenario::GuiDriver widgets;
    for (const bool type : {true, false}) {
        for (const Awkward& a : awkward_texts()) {
            if (type && !a.typed_too) continue;
            const Result through_model = enter(model, a, type);
            const Result through_widgets = enter(widgets, a, type);
            EXPECT_EQ(through_model.text, through_widgets.text) << (type ? "typed: " : "pasted: ") << a.what;
            EXPECT_EQ(through_model.changes, through_widgets.changes) << (type ? "typed: " : "pasted: ") << a.what;
            EXPECT_EQ(widgets.differences_from_model(), "") << a.what;
        }
    }
    // What they agree on, for a few.
    const std::string full(field_input::max_length, '7');
    EXPECT_EQ(enter(model, named("an emoji"), true), (Result{"1😀2", 3}));
    EXPECT_EQ(enter(model, named("a Tab first"), true), (Result{"92", 1}));  // the selection went with the focus
    EXPECT_EQ(enter(model, named("C0 controls"), true), (Result{"123", 3}));
    EXPECT_EQ(enter(model, named("C0 controls"), false).text, "\x01" "1\x1b" "2\r\n3\b");  // a paste keeps them
    EXPECT_EQ(enter(model, named("byte-order marks"), true), (Result{"1\uFEFF" "2", 5}));
    EXPECT_EQ(enter(model, named("invalid UTF-8"), true).text,
              "1\uFFFD" "2\uFFFD(\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD" "3\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(enter(model, named("an emoji cut by a full field"), true), (Result{full.substr(1) + "?", 1}));
    EXPECT_EQ(enter(model, named("a full field"), true), (Result{full, 0}));
    EXPECT_EQ(enter(model, named("a paste longer than a field holds"), false), (Result{full, 1}));
}

}  // namespace
