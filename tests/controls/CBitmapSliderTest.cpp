#include "controls/CBitmapSlider.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <ostream>
#include <utility>
#include <vector>

#include "WidgetTestSupport.h"

namespace keyloom {
namespace {

constexpr int kControl = 1179;

struct Report {
    int control;
    int position;
    bool operator==(const Report&) const = default;
};

// A shown slider from 0 to 9, 106 pixels wide: the knob's centre runs from x = 8 to x = 98,
// ten pixels a step.
class CBitmapSliderTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::StartQtApplication(); }

    void SetUp() override {
        m_slider.resize(106, 20);
        m_slider.SetPositionReport([this](int control, int position) {
            m_reports.push_back({control, position});
        });
        m_slider.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_slider));
    }

    static QPoint At(int x) { return {x, 10}; }

    std::vector<int> ReportedPositions() const {
        std::vector<int> positions;
        for (const Report& report : m_reports) {
            EXPECT_EQ(report.control, kControl);
            positions.push_back(report.position);
        }
        return positions;
    }

    void Wheel(int angle) {
        QWheelEvent event(At(50), m_slider.mapToGlobal(At(50)), QPoint(), QPoint(0, angle),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&m_slider, &event);
    }

    CBitmapSlider m_slider{kControl, 0, 9};
    std::vector<Report> m_reports;
};

TEST_F(CBitmapSliderTest, PressDragAndReleaseReportThePositionUnderTheMouse) {
    QTest::mouseMove(&m_slider, At(60));  // no button held: no report
    QTest::mousePress(&m_slider, Qt::LeftButton, {}, At(38));
    QTest::mouseMove(&m_slider, At(41));  // still 3: no report
    QTest::mouseMove(&m_slider, At(65));
    QTest::mouseMove(&m_slider, At(500));  // beyond the end
    QTest::mouseRelease(&m_slider, Qt::LeftButton, {}, At(-30));
    EXPECT_EQ(ReportedPositions(), (std::vector{3, 6, 9, 0}));
    EXPECT_EQ(m_slider.Position(), 0);
}

struct PositionCase {
    int minimum;
    int maximum;
    int width;
    int x;
    int expected;
};

void PrintTo(const PositionCase& c, std::ostream* out) {
    *out << c.minimum << " to " << c.maximum << ", width " << c.width << ", x " << c.x;
}

class CBitmapSliderPositionTest : public ::testing::TestWithParam<PositionCase> {
  protected:
    static void SetUpTestSuite() { test::StartQtApplication(); }
};

TEST_P(CBitmapSliderPositionTest, ClickTakesTheNearestPosition) {
    const PositionCase& c = GetParam();
    CBitmapSlider slider(1, c.minimum, c.maximum);
    slider.resize(c.width, 20);
    std::vector<int> reported;
    slider.SetPositionReport([&reported](int, int position) { reported.push_back(position); });
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(c.x, 10));
    EXPECT_EQ(reported, (std::vector{c.expected, c.expected}));
    EXPECT_EQ(slider.Position(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(SpeedAndBrightness, CBitmapSliderPositionTest,
                         ::testing::Values(PositionCase{0, 9, 106, 8, 0},
                                           PositionCase{0, 9, 106, 52, 4},  // 4.4
                                           PositionCase{0, 9, 106, 54, 5},  // 4.6
                                           PositionCase{0, 9, 106, 105, 9},
                                           PositionCase{1, 14, 146, 0, 1},
                                           PositionCase{1, 14, 146, 72, 7},    // 1 + 6.4
                                           PositionCase{1, 14, 146, 77, 8}));  // 1 + 6.9

struct KeyStep {
    Qt::Key key;
    int position;  // after the key
    bool reported;
};

TEST_F(CBitmapSliderTest, KeysMoveAndReportOnlyChanges) {
    const KeyStep steps[] = {
        {Qt::Key_Left, 0, false}, {Qt::Key_Down, 0, false}, {Qt::Key_Right, 1, true},
        {Qt::Key_Up, 2, true},    {Qt::Key_Down, 1, true},  {Qt::Key_End, 9, true},
        {Qt::Key_Up, 9, false},   {Qt::Key_End, 9, false},  {Qt::Key_Left, 8, true},
        {Qt::Key_Home, 0, true},  {Qt::Key_Home, 0, false}, {Qt::Key_A, 0, false},
    };
    for (const KeyStep& step : steps) {
        m_reports.clear();
        QTest::keyClick(&m_slider, step.key);
        EXPECT_EQ(m_slider.Position(), step.position) << step.key;
        EXPECT_EQ(ReportedPositions(),
                  step.reported ? std::vector{step.position} : std::vector<int>{})
            << step.key;
    }
}

TEST_F(CBitmapSliderTest, WheelMovesAStepANotchAndReportsOnlyChanges) {
    m_slider.SetPosition(8);
    Wheel(120);
    Wheel(120);  // at the end already
    Wheel(-120);
    Wheel(-60);  // half a notch, then the other half
    Wheel(-60);
    EXPECT_EQ(ReportedPositions(), (std::vector{9, 8, 7}));
}

TEST_F(CBitmapSliderTest, SetPositionClampsAndNeverReports) {
    m_slider.SetPosition(12);
    EXPECT_EQ(m_slider.Position(), 9);
    m_slider.SetPosition(-3);
    EXPECT_EQ(m_slider.Position(), 0);
    m_slider.SetPosition(5);
    EXPECT_EQ(m_slider.Position(), 5);
    EXPECT_TRUE(m_reports.empty());
}

TEST_F(CBitmapSliderTest, DrawsThePictureItIsGiven) {
    m_slider.SetPicture({"18.bmp", QPixmap::fromImage(test::FilledPicture(106, 20, Qt::blue))});
    EXPECT_EQ(m_slider.PictureName(), "18.bmp");
    EXPECT_EQ(m_slider.grab().toImage().pixelColor(50, 10), QColor(Qt::blue));
}

}  // namespace
}  // namespace keyloom
