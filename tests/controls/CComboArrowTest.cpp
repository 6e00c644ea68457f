#include "controls/CComboArrow.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>

#include "WidgetTestSupport.h"
#include "controls/PanelStyle.h"

namespace keyloom {
namespace {

// Where the box's face has pixels of the arrow's colour.
QRect ArrowPixels(QComboBox& box, QColor arrow) {
    const QImage face = box.grab().toImage();
    QRect found;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            if (face.pixelColor(x, y) == arrow) {
                found |= QRect(x, y, 1, 1);
            }
        }
    }
    return found;
}

class CComboArrowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::StartQtApplication(); }
};

TEST_F(CComboArrowTest, StyledBoxDrawsItsArrowAtTheRightEdgeWhateverItsWidth) {
    QComboBox box;
    box.addItem("Wave");
    StylePanelComboBox(box);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    for (const int width : {208, 120}) {
        box.resize(width, 26);
        const QRect arrow = ArrowPixels(box, QColor(PANEL_CAPTION));
        ASSERT_FALSE(arrow.isEmpty()) << width;
        EXPECT_GE(arrow.left(), width - CComboArrow::AREA_WIDTH) << width;
        EXPECT_LT(arrow.right(), width) << width;
        EXPECT_GE(arrow.top(), 9) << width;  // in the middle third of the height
        EXPECT_LE(arrow.bottom(), 17) << width;
    }
    box.setEnabled(false);
    EXPECT_TRUE(ArrowPixels(box, QColor(PANEL_CAPTION)).isEmpty());
    EXPECT_FALSE(ArrowPixels(box, QColor(PANEL_DIM)).isEmpty());
}

}  // namespace
}  // namespace keyloom
