#include "controls/CPngButton.h"

#include <gtest/gtest.h>

#include <QTest>

#include "WidgetTestSupport.h"

namespace keyloom {
namespace {

const QColor kBackdrop(20, 40, 60);

// A button at (10, 20), 8 x 6, with face origin (10, 20), in a shown window of colour kBackdrop.
// Its pictures tell by their blue which one is shown: 1 normal, 2 hover, 3 pressed,
// 4 disabled, 5 marked.
class CPngButtonTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::StartQtApplication(); }

    void SetUp() override {
        QPalette palette;
        palette.setColor(QPalette::Window, kBackdrop);
        m_window.setPalette(palette);
        m_window.setAutoFillBackground(true);
        m_window.resize(100, 100);
        m_button.setGeometry(10, 20, 8, 6);
        m_button.SetFaceOrigin(QPoint(10, 20));
        m_button.SetSurfaces({Picture(1), Picture(2), Picture(3), Picture(4), Picture(5)});
        QCursor::setPos(-100, -100);  // away from the button when the window shows
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    static QImage Picture(int tag) { return test::PositionPicture(100, 100, tag); }

    // The blue of the button's corner, which shows the picture from one pixel up and left.
    int ShownPicture() {
        const QColor corner = m_button.grab().toImage().pixelColor(0, 0);
        EXPECT_EQ(QPoint(corner.red(), corner.green()), QPoint(9, 19));
        return corner.blue();
    }

    QWidget m_window;
    CPngButton m_button{&m_window};
};

TEST_F(CPngButtonTest, EachStateShowsItsPictureInOrderOfPrecedence) {
    bool normalPicture = false;
    m_button.SetPaintCallback(
        [&normalPicture](CPngButton&, bool normal) { normalPicture = normal; });
    EXPECT_EQ(ShownPicture(), 1);
    EXPECT_TRUE(normalPicture);
    m_button.SetMarked(true);
    EXPECT_EQ(ShownPicture(), 5);
    EXPECT_FALSE(normalPicture);
    QTest::mouseMove(&m_button);
    EXPECT_EQ(ShownPicture(), 2);
    QTest::mousePress(&m_button, Qt::LeftButton);
    EXPECT_EQ(ShownPicture(), 3);
    QTest::mouseRelease(&m_button, Qt::LeftButton);
    m_button.setEnabled(false);
    EXPECT_EQ(ShownPicture(), 4);
}

TEST_F(CPngButtonTest, LightingFrameReplacesThePictureWhateverTheState) {
    m_button.SetMarked(true);
    m_button.SetOutline(0x123456, 150, true);
    EXPECT_EQ(m_button.Outline().strength, OUTLINE_STRENGTH_MAX);

    const QImage window = m_window.grab().toImage();
    for (const QPoint at : {QPoint(0, 0), QPoint(1, 1), QPoint(7, 5), QPoint(6, 4)}) {
        EXPECT_EQ(window.pixelColor(QPoint(10, 20) + at), QColor(0x56, 0x34, 0x12)) << at.x();
    }
    // Inside the frame the window's backdrop shows, tinted with the frame's colour, not the
    // picture.
    const auto tinted = [](int backdrop, int frame) {
        constexpr double kTint = 120.0 / 255.0;
        return backdrop + (frame - backdrop) * kTint;
    };
    for (const QPoint inside : {QPoint(12, 22), QPoint(15, 23)}) {
        const QColor pixel = window.pixelColor(inside);
        EXPECT_NEAR(pixel.red(), tinted(kBackdrop.red(), 0x56), 2) << inside.x();
        EXPECT_NEAR(pixel.green(), tinted(kBackdrop.green(), 0x34), 2) << inside.x();
        EXPECT_NEAR(pixel.blue(), tinted(kBackdrop.blue(), 0x12), 2) << inside.x();
    }

    m_button.SetOutline(0x123456, 50, false);
    EXPECT_EQ(ShownPicture(), 5);
}

TEST_F(CPngButtonTest, DoubleClickCountsAsSecondClick) {
    int clicks = 0;
    QObject::connect(&m_button, &CPngButton::clicked, [&clicks] { ++clicks; });
    QTest::mouseClick(&m_button, Qt::LeftButton);
    QTest::mouseDClick(&m_button, Qt::LeftButton);
    QTest::mouseRelease(&m_button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
}

TEST_F(CPngButtonTest, CaptionIsDrawnCentredInTheColourOfTheState) {
    m_button.setGeometry(0, 0, 100, 60);
    m_button.SetSurfaces(ButtonSurfaces::Same(test::FilledPicture(100, 100, Qt::black)));
    m_button.setText("W");
    m_button.SetTextStyle(
        {true, 24, "Arial Unicode MS", {0xFFFFFF, 0x0082FF, 0x049BFF, 0x7F7F7F, 0xFF6400}, 37});
    m_button.SetMarked(true);

    const QImage face = m_button.grab().toImage();
    QRect text;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            if (face.pixelColor(x, y) == QColor(0x00, 0x64, 0xFF)) {
                text |= QRect(x, y, 1, 1);
            }
        }
    }
    ASSERT_FALSE(text.isEmpty());
    EXPECT_LE(std::abs(text.left() - (face.width() - 1 - text.right())), 2);
    EXPECT_LE(std::abs(text.top() - (face.height() - 1 - text.bottom())), 6);
}

}  // namespace
}  // namespace keyloom
