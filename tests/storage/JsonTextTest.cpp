#include "storage/JsonText.h"

#include <gtest/gtest.h>

#include <string>

namespace keyloom {
namespace {

using Kind = JsonValue::Kind;

TEST(JsonTextTest, ReadsEveryKindOfValue) {
    const JsonRead read = ReadJson(
        " {\"name\": \"caf\\u00e9 \\ud83d\\ude00 \\\"q\\\" \\\\ \\/ \\n\", \"numbers\": [0, -12, "
        "3.5, "
        "1e3, 2E-1], \"flags\": [true, false, null], \"empty\": {}, \"none\": []}\n");
    ASSERT_TRUE(read.value.has_value()) << read.error;
    const JsonValue& root = *read.value;
    EXPECT_EQ(root.kind, Kind::kObject);
    ASSERT_NE(root.Member("name"), nullptr);
    EXPECT_EQ(root.Member("name")->text, "café 😀 \"q\" \\ / \n");
    const JsonValue* numbers = root.Member("numbers");
    ASSERT_NE(numbers, nullptr);
    ASSERT_EQ(numbers->items.size(), 5u);
    const double expected[] = {0, -12, 3.5, 1000, 0.2};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(numbers->items[i].kind, Kind::kNumber);
        EXPECT_DOUBLE_EQ(numbers->items[i].number, expected[i]);
    }
    const JsonValue* flags = root.Member("flags");
    ASSERT_NE(flags, nullptr);
    EXPECT_TRUE(flags->items[0].boolean);
    EXPECT_EQ(flags->items[1].kind, Kind::kBoolean);
    EXPECT_FALSE(flags->items[1].boolean);
    EXPECT_EQ(flags->items[2].kind, Kind::kNull);
    EXPECT_EQ(root.Member("empty")->kind, Kind::kObject);
    EXPECT_EQ(root.Member("none")->kind, Kind::kArray);
    EXPECT_EQ(root.Member("missing"), nullptr);
    EXPECT_EQ(root.members.front().first, "name");  // in the text's order
}

struct Fault {
    std::string text;
    const char* says;
};

TEST(JsonTextTest, EveryFaultIsNamedWithItsLine) {
    const Fault faults[] = {
        {"", "line 1: a value is missing"},
        {"{\"a\": 1,\n\"a\": 2}", "line 2: the member \"a\" is there twice"},
        {"{\"a\" 1}", "':' is missing after \"a\""},
        {"{a: 1}", "a member name in quotes is missing"},
        {"[1 2]", "',' or ']' is missing"},
        {"{\"a\": 1 \"b\": 2}", "',' or '}' is missing"},
        {"[1,]", "not a value"},
        {"01", "a number with a leading zero"},
        {"1.", "digits are missing after '.'"},
        {"1e", "digits are missing in the exponent"},
        {"1e999", "a number out of range"},
        {"-", "not a value"},
        {"tru", "not a value"},
        {"\"abc", "the text ends inside a string"},
        {"\"a\tb\"", "a control character inside a string"},
        {"\"\\x\"", "unknown escape \\x"},
        {"\"\\u12\"", "\\u needs four hexadecimal digits"},
        {"\"\\ud83d\"", "a surrogate without its pair"},
        {"\"\\ude00\"", "a surrogate without its pair"},
        {"\"\xff\"", "a string that is not UTF-8"},
        {"\"\xed\xa0\x80\"", "a string that is not UTF-8"},
        {"1 2", "more after the value"},
        {std::string(JSON_MAX_DEPTH + 1, '['), "nested deeper than 64"},
    };
    for (const Fault& fault : faults) {
        const JsonRead read = ReadJson(fault.text);
        EXPECT_FALSE(read.value.has_value()) << fault.text;
        EXPECT_NE(read.error.find(fault.says), std::string::npos)
            << fault.text << " gave: " << read.error;
    }
    EXPECT_TRUE(ReadJson(std::string(JSON_MAX_DEPTH, '[') + std::string(JSON_MAX_DEPTH, ']'))
                    .value.has_value());
}

TEST(JsonTextTest, WrittenStringsReadBackTheSame) {
    for (const std::string text : {"", "plain", "quote \" and \\ back", "tab\tnew\nline\x01",
                                   "slash / stays", "大写锁定 😀"}) {
        const JsonRead read = ReadJson(JsonString(text));
        ASSERT_TRUE(read.value.has_value()) << read.error;
        EXPECT_EQ(read.value->text, text);
    }
    EXPECT_EQ(JsonString("a\"b\x01/"), "\"a\\\"b\\u0001/\"");
}

}  // namespace
}  // namespace keyloom
