#include "controls/CClickPicture.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "WidgetTestSupport.h"

namespace keyloom {
namespace {

NamedPicture Filled(const char* name, QSize size, QColor color) {
    return {name, QPixmap::fromImage(test::FilledPicture(size.width(), size.height(), color))};
}

class CClickPictureTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::StartQtApplication(); }

    void SetUp() override {
        m_picture.resize(46, 28);
        m_picture.SetImages(Filled("lv.bmp", {46, 28}, Qt::darkGreen),
                            Filled("lvok.bmp", {46, 28}, Qt::green));
        m_picture.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_picture));
    }

    QColor ShownColor(QPoint at = {23, 14}) { return m_picture.grab().toImage().pixelColor(at); }

    CClickPicture m_picture;
};

TEST_F(CClickPictureTest, ShowsThePlainOrTheSelectedImage) {
    EXPECT_FALSE(m_picture.Selected());
    EXPECT_EQ(m_picture.ShownName(), "lv.bmp");
    EXPECT_EQ(ShownColor(), QColor(Qt::darkGreen));

    m_picture.SetSelected(true);
    EXPECT_TRUE(m_picture.Selected());
    EXPECT_EQ(m_picture.ShownName(), "lvok.bmp");
    EXPECT_EQ(ShownColor(), QColor(Qt::green));

    m_picture.SetSelected(false);
    EXPECT_EQ(m_picture.ShownName(), "lv.bmp");
}

TEST_F(CClickPictureTest, NewImagesKeepTheSelection) {
    m_picture.SetSelected(true);
    m_picture.SetImages(Filled("hong.bmp", {46, 28}, Qt::darkRed),
                        Filled("hongok.bmp", {46, 28}, Qt::red));
    EXPECT_TRUE(m_picture.Selected());
    EXPECT_EQ(m_picture.ShownName(), "hongok.bmp");
    EXPECT_EQ(ShownColor(), QColor(Qt::red));
}

TEST_F(CClickPictureTest, ImageOfAnotherSizeIsScaledToThePicture) {
    m_picture.SetImages(Filled("small.bmp", {10, 8}, Qt::blue),
                        Filled("smallok.bmp", {10, 8}, Qt::cyan));
    EXPECT_EQ(ShownColor({1, 1}), QColor(Qt::blue));
    EXPECT_EQ(ShownColor({44, 26}), QColor(Qt::blue));
}

TEST_F(CClickPictureTest, ClickedOnlyForALeftReleaseInside) {
    QSignalSpy clicked(&m_picture, &CClickPicture::clicked);
    QTest::mouseClick(&m_picture, Qt::LeftButton, {}, {5, 5});
    EXPECT_EQ(clicked.count(), 1);

    QTest::mousePress(&m_picture, Qt::LeftButton, {}, {5, 5});
    QTest::mouseRelease(&m_picture, Qt::LeftButton, {}, {60, 5});
    QTest::mouseClick(&m_picture, Qt::RightButton, {}, {5, 5});
    EXPECT_EQ(clicked.count(), 1);

    QTest::mouseClick(&m_picture, Qt::LeftButton, {}, {45, 27});
    EXPECT_EQ(clicked.count(), 2);
    EXPECT_EQ(m_picture.cursor().shape(), Qt::PointingHandCursor);
}

}  // namespace
}  // namespace keyloom
