// What a text field keeps of what the user puts into it (the rule a real line edit follows; the GUI tests
// hold it against one).
#include <gtest/gtest.h>

#include <string>

#include "ui/page.h"

namespace {

namespace field_input = cf::field_input;
using field_input::kept;
using field_input::Key;
using field_input::typed;

TEST(FieldInput, APasteKeepsEverythingButWhatUtf8CannotSayAndTheMarksAtItsStart) {
    EXPECT_EQ(kept("1\t2\r\n3\x01\x7f"), "1\t2\r\n3\x01\x7f");
    EXPECT_EQ(kept(std::string("1\0" "2", 3)), std::string("1\0" "2", 3));
    EXPECT_EQ(kept("1\xff" "2\xe2\x82" "3\xed\xa0\x80"), "1\uFFFD" "2\uFFFD\uFFFD" "3\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(kept("\uFEFF\uFEFF" "1\uFEFF"), "1\uFEFF");
    EXPECT_EQ(kept("\xff\uFEFF"), "\uFFFD\uFEFF");
    EXPECT_EQ(kept("é😀流"), "é😀流");
}

TEST(FieldInput, AFieldHoldsAtMostItsLengthInUtf16Units) {
    const std::size_t max = field_input::max_length;
    EXPECT_EQ(kept(std::string(max + 5, '7')), std::string(max, '7'));
    EXPECT_EQ(field_input::length(std::string(max - 1, '7') + "😀"), max + 1);
    EXPECT_EQ(kept(std::string(max - 1, '7') + "😀"), std::string(max - 1, '7') + "?");  // half a pair
    EXPECT_EQ(kept(std::string(max - 2, '7') + "😀é"), std::string(max - 2, '7') + "😀");
    EXPECT_EQ(kept(std::string(max, 'x') + "\xff"), std::string(max, 'x'));
    // The marks at the start count before they are dropped, as the line edit holds them first.
    EXPECT_EQ(kept("\uFEFF" + std::string(max, '7')), std::string(max - 1, '7'));
}

TEST(FieldInput, TypedKeysEnterOrAreRefusedOrMoveTheFocus) {
    for (const char* enters : {"1", " ", "é", "\u0301", "😀", "流", "\u200b", "\uFEFF", "\uE000", "\U0010FFFF", "\xff"})
        EXPECT_EQ(typed(enters), Key::enters) << enters;
    for (const char* refused : {"\x01", "\n", "\r", "\x1b", "\x7f", "\u0085", "\u009f", "\u0378", "\uFFFF", "\uFDD0", ""})
        EXPECT_EQ(typed(refused), Key::refused) << refused;
    EXPECT_EQ(typed(std::string(1, '\0')), Key::refused);
    EXPECT_EQ(typed("\t"), Key::moves_focus);
}

}  // namespace
