#include "controls/CNumberBox.h"

#include <gtest/gtest.h>

#include <QTest>
#include <ostream>

#include "WidgetTestSupport.h"

namespace keyloom {
namespace {

struct TypingCase {
    const char* typed;
    const char* shown;
    int value;
};

void PrintTo(const TypingCase& c, std::ostream* out) {
    *out << '"' << c.typed << '"';
}

class CNumberBoxTypingTest : public ::testing::TestWithParam<TypingCase> {
  protected:
    static void SetUpTestSuite() { test::StartQtApplication(); }
};

TEST_P(CNumberBoxTypingTest, TakesDigitsUpTo255) {
    const TypingCase& c = GetParam();
    CNumberBox box;
    QTest::keyClicks(&box, c.typed);
    EXPECT_EQ(box.text(), c.shown);
    EXPECT_EQ(box.Value(), c.value);
}

INSTANTIATE_TEST_SUITE_P(Typing, CNumberBoxTypingTest,
                         ::testing::Values(TypingCase{"", "", 0},           //
                                           TypingCase{"42", "42", 42},      //
                                           TypingCase{"255", "255", 255},   //
                                           TypingCase{"256", "255", 255},   //
                                           TypingCase{"300", "255", 255},   //
                                           TypingCase{"1234", "123", 123},  //
                                           TypingCase{"2a5", "25", 25},     //
                                           TypingCase{"abc", "", 0},        //
                                           TypingCase{"30 0", "255", 255}));

class CNumberBoxTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::StartQtApplication(); }
};

TEST_F(CNumberBoxTest, WrittenNumberAbove255BecomesIt) {
    CNumberBox box;
    box.setText("700");
    EXPECT_EQ(box.text(), "255");
    box.setText("128");
    EXPECT_EQ(box.text(), "128");
}

TEST_F(CNumberBoxTest, EditingAfterTheLimitStillLimits) {
    CNumberBox box;
    QTest::keyClicks(&box, "25");
    QTest::keyClick(&box, Qt::Key_Home);
    QTest::keyClicks(&box, "9");
    EXPECT_EQ(box.text(), "255");
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), "25");
}

}  // namespace
}  // namespace keyloom
