#include "controls/CBaseDialog.h"

#include <gtest/gtest.h>

#include <QTest>
#include <optional>

#include "WidgetTestSupport.h"
#include "support/TestEnvironment.h"

namespace keyloom {
namespace {

// Dialogs of a skin folder holding "bg.png" (40 x 30, a position picture with blue 7); the exit
// function only records its code.
class CBaseDialogTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::StartQtApplication(); }

    void SetUp() override { Save(test::PositionPicture(40, 30, 7), "bg.png"); }

    void Save(const QImage& picture, const std::string& name) {
        ASSERT_TRUE(picture.save(QString::fromStdString(m_folder + "/" + name)));
    }

    std::string Skin(const std::string& text) {
        return test::WriteTextFile(m_folder, "Dialog.ini", text);
    }

    const std::string m_folder = test::MakeTemporaryFolder();
};

TEST_F(CBaseDialogTest, BackgroundGivesSizeAndFaceAndTheMasksNonWhitePixelsTheShape) {
    QImage striped = test::FilledPicture(100, 50, QColor(254, 255, 255));
    for (int y = 0; y < 50; ++y) {
        for (int x = y % 2; x < 100; x += 2) {
            striped.setPixelColor(x, y, Qt::white);
        }
    }
    Save(striped, "striped.bmp");
    CBaseDialog dialog(Skin("[SCREEN]\nMain=bg.png\nMask=striped.bmp\n"));

    EXPECT_FALSE(dialog.SkinFailed());
    EXPECT_EQ(dialog.size(), QSize(40, 30));
    EXPECT_EQ(dialog.grab().toImage().pixelColor(39, 29), QColor(39, 29, 7));
    EXPECT_EQ(dialog.mask(), dialog.WindowShape());
    EXPECT_EQ(dialog.WindowShape().rectCount(), 2500);  // more than one batch of rectangles
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 100; ++x) {
            ASSERT_EQ(dialog.WindowShape().contains(QPoint(x, y)), (x + y) % 2 == 1)
                << x << "," << y;
        }
    }
}

TEST_F(CBaseDialogTest, AllWhiteMaskGivesAnEmptyShapeThatHidesTheWindow) {
    Save(test::FilledPicture(40, 30, Qt::white), "white.jpg");
    CBaseDialog dialog(Skin("[SCREEN]\nMain=bg.png\nMask=white.jpg\n"));

    EXPECT_FALSE(dialog.SkinFailed());
    EXPECT_TRUE(dialog.WindowShape().isEmpty());
    EXPECT_FALSE(dialog.mask().intersects(dialog.rect()));
}

// The program then ends with exit code 0.
TEST_F(CBaseDialogTest, PictureThatCannotBeLoadedFailsTheSkin) {
    test::WriteTextFile(m_folder, "broken.jpg", "not a picture");
    for (const char* screen :
         {"Main=missing.png\nMask=bg.png\n", "Main=bg.png\nMask=broken.jpg\n", "Mask=bg.png\n"}) {
        CBaseDialog dialog(Skin(std::string("[SCREEN]\n") + screen));
        EXPECT_TRUE(dialog.SkinFailed()) << screen;
    }
    EXPECT_FALSE(CBaseDialog(Skin("[SCREEN]\nMain=bg.png\nMask=bg.png\n")).SkinFailed());
}

TEST_F(CBaseDialogTest, ButtonPictureThatCannotBeLoadedLeavesItsSurfaceEmpty) {
    EXPECT_TRUE(CBaseDialog::RenderSurface(m_folder + "/missing.jpg").isNull());
    EXPECT_EQ(CBaseDialog::RenderSurface(m_folder + "/bg.png").pixelColor(3, 4), QColor(3, 4, 7));
}

TEST_F(CBaseDialogTest, PressOnTheBackgroundDragsTheWindow) {
    CBaseDialog dialog(Skin("[SCREEN]\nMain=bg.png\n"));
    dialog.move(100, 100);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    QTest::mousePress(&dialog, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(&dialog, QPoint(25, 35));
    QTest::mouseRelease(&dialog, Qt::LeftButton, {}, QPoint(25, 35));
    EXPECT_EQ(dialog.pos(), QPoint(120, 130));
}

// State pictures with blue 1 to 5 (normal, hover, pressed, disabled, marked), the arrow 9.
class CBaseDialogPlacementTest : public CBaseDialogTest {
  protected:
    void SetUp() override {
        CBaseDialogTest::SetUp();
        m_dialog.emplace(Skin(
            "[SCREEN]\nMain=bg.png\n"
            "[BUTTONINFO]\nAT_ONE=1,1,50,20\nBESIDE=2,1,50,20\nFACE=10,20,8,6\nARROW=30,5,4,3\n"
            "[BUTTONINFO2]\nARROW_UP1=60,70,1,1\n"));
        m_dialog->SetStateSurfaces({Picture(1), Picture(2), Picture(3), Picture(4), Picture(5)});
        m_dialog->SetArrowSurface(Picture(9));
    }

    static QImage Picture(int tag) { return test::PositionPicture(100, 100, tag); }

    static QColor Corner(CPngButton& button) { return button.grab().toImage().pixelColor(0, 0); }

    std::optional<CBaseDialog> m_dialog;
};

TEST_F(CBaseDialogPlacementTest, SkinnedControlsShowTheirPieceAndAtOneOneAreDisabled) {
    CPngButton face(&*m_dialog), atOne(&*m_dialog), beside(&*m_dialog), unnamed(&*m_dialog);
    m_dialog->PlaceSkinnedControl(&face, "FACE");
    m_dialog->PlaceSkinnedControl(&atOne, "AT_ONE");
    m_dialog->PlaceSkinnedControl(&beside, "BESIDE");
    m_dialog->PlaceSkinnedControl(&unnamed, "NOT_IN_THE_SKIN");

    EXPECT_EQ(face.geometry(), QRect(10, 20, 8, 6));
    EXPECT_EQ(Corner(face), QColor(9, 19, 1));
    EXPECT_FALSE(atOne.isEnabled());
    EXPECT_EQ(atOne.geometry(), QRect(1, 1, 50, 20));
    EXPECT_EQ(Corner(atOne), QColor(0, 0, 4));
    EXPECT_TRUE(beside.isEnabled());
    EXPECT_FALSE(unnamed.isEnabled());
    EXPECT_EQ(unnamed.geometry(), QRect(1, 1, 1, 1));
}

TEST_F(CBaseDialogPlacementTest, OtherPlacementsKeepTheEnabledStateAndArrowsShowTheirFace) {
    QWidget placed(&*m_dialog);
    placed.setEnabled(false);
    m_dialog->PlaceControl(&placed, "AT_ONE");
    EXPECT_EQ(placed.geometry(), QRect(1, 1, 50, 20));
    EXPECT_FALSE(placed.isEnabled());
    m_dialog->MoveControlKeepSize(&placed, "FACE");
    EXPECT_EQ(placed.geometry(), QRect(10, 20, 50, 20));

    CPngButton arrow(&*m_dialog);
    m_dialog->PlaceArrowControl(&arrow, "ARROW", "ARROW_UP1");
    EXPECT_EQ(arrow.geometry(), QRect(30, 5, 4, 3));
    EXPECT_EQ(Corner(arrow), QColor(59, 69, 9));
}

}  // namespace
}  // namespace keyloom
