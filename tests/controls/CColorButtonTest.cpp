#include "controls/CColorButton.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <optional>
#include <set>
#include <vector>

#include "WidgetTestSupport.h"
#include "controls/CColorSwatch.h"
#include "controls/ModalChildren.h"
#include "controls/QtColor.h"

namespace keyloom {
namespace {

constexpr Color kDefault = ColorOfRgb(0x00, 0x82, 0xFF);
constexpr Color kShown = ColorOfRgb(0x12, 0x34, 0x56);

// A shown button whose colour dialog is scripted: it notes the colour it was started at and
// gives `m_answer`.
class CColorButtonTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::StartQtApplication(); }

    void SetUp() override {
        CColorButton::SetColorDialog([this](Color initial, QWidget*) {
            m_dialogStarts.push_back(initial);
            return m_answer;
        });
        m_window.resize(200, 120);
        m_button.setGeometry(20, 20, 56, 26);
        m_button.SetColor(kShown);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    void TearDown() override { CColorButton::SetColorDialog({}); }

    std::vector<CColorSwatch*> OpenSwatches() {
        QTest::mouseClick(&m_button, Qt::LeftButton);
        EXPECT_NE(m_button.OpenPalette(), nullptr);
        if (m_button.OpenPalette() == nullptr) {
            return {};
        }
        const QList<CColorSwatch*> swatches = m_button.OpenPalette()->findChildren<CColorSwatch*>();
        return {swatches.begin(), swatches.end()};
    }

    std::vector<Color> PickedColors() const {
        std::vector<Color> colors;
        for (const QList<QVariant>& signal : m_picked) {
            colors.push_back(signal.at(0).value<Color>());
        }
        return colors;
    }

    QWidget m_window;
    CColorButton m_button{kDefault, &m_window};
    QSignalSpy m_picked{&m_button, &CColorButton::colorPicked};
    std::optional<Color> m_answer;
    std::vector<Color> m_dialogStarts;
};

TEST_F(CColorButtonTest, PickShowsTheColourAndMinusOneStandsForTheDefault) {
    EXPECT_EQ(m_button.GetColor(), kShown);
    EXPECT_EQ(m_button.DefaultColor(), kDefault);
    m_button.Pick(CColorButton::DEFAULT_COLOR_CHOICE);
    EXPECT_EQ(m_button.GetColor(), kDefault);
    m_button.Pick(ColorOfRgb(1, 2, 3));
    EXPECT_EQ(m_button.GetColor(), ColorOfRgb(1, 2, 3));
    m_button.Pick(-1);
    EXPECT_EQ(PickedColors(), (std::vector{kDefault, ColorOfRgb(1, 2, 3), kDefault}));
}

TEST_F(CColorButtonTest, SetColorEmitsNothingAndTheFaceShowsTheColour) {
    m_button.SetColor(ColorOfRgb(0xFF, 0x80, 0x00));
    EXPECT_EQ(m_picked.count(), 0);
    EXPECT_EQ(m_button.grab().toImage().pixelColor(20, 13), QColor(0xFF, 0x80, 0x00));
}

TEST_F(CColorButtonTest, ClickOpensBelowTheButtonAPaletteOfDistinctColoursInRowsOfFive) {
    const std::span<const Color> palette = CColorButton::PaletteColors();
    ASSERT_GE(palette.size(), 30u);
    EXPECT_EQ(palette.size() % 5, 0u);
    const std::set<Color> distinct(palette.begin(), palette.end());
    EXPECT_EQ(distinct.size(), palette.size());
    for (const Color needed :
         {ColorOfRgb(0xFF, 0xFF, 0xFF), ColorOfRgb(0, 0, 0), ColorOfRgb(0xFF, 0, 0),
          ColorOfRgb(0, 0xFF, 0), ColorOfRgb(0, 0, 0xFF)}) {
        EXPECT_EQ(distinct.count(needed), 1u) << needed;
    }

    const std::vector<CColorSwatch*> swatches = OpenSwatches();
    ASSERT_EQ(swatches.size(), palette.size());
    EXPECT_GE(m_button.OpenPalette()->geometry().top(),
              m_button.mapToGlobal(QPoint(0, m_button.height())).y());
    EXPECT_EQ(m_picked.count(), 0);
    std::set<int> columns;
    for (size_t i = 0; i < swatches.size(); ++i) {
        EXPECT_EQ(swatches[i]->GetColor(), palette[i]);
        columns.insert(swatches[i]->x());
    }
    EXPECT_EQ(columns.size(), 5u);
}

TEST_F(CColorButtonTest, SwatchClickPicksItsColourAndClosesThePalette) {
    const std::vector<CColorSwatch*> swatches = OpenSwatches();
    ASSERT_GT(swatches.size(), 7u);
    CColorSwatch* swatch = swatches[7];
    const QColor drawn = swatch->grab().toImage().pixelColor(swatch->rect().center());
    QTest::mouseClick(swatch, Qt::LeftButton);

    EXPECT_EQ(PickedColors(), std::vector{CColorButton::PaletteColors()[7]});
    EXPECT_EQ(ToQColor(m_button.GetColor()), drawn);
    EXPECT_EQ(m_button.OpenPalette(), nullptr);
}

TEST_F(CColorButtonTest, EscClosesThePaletteWithoutPicking) {
    QTest::mouseClick(&m_button, Qt::LeftButton);
    ASSERT_NE(m_button.OpenPalette(), nullptr);
    QTest::keyClick(m_button.OpenPalette(), Qt::Key_Escape);
    EXPECT_EQ(m_button.OpenPalette(), nullptr);
    EXPECT_EQ(m_picked.count(), 0);
    EXPECT_EQ(m_button.GetColor(), kShown);
}

TEST_F(CColorButtonTest, OtherEntryAsksTheDialogStartedAtTheColourAndPicksItsAnswer) {
    m_answer = ColorOfRgb(0x11, 0x22, 0x33);
    m_button.SetOtherText("Weitere...");
    QTest::mouseClick(&m_button, Qt::LeftButton);
    ASSERT_NE(m_button.OpenPalette(), nullptr);
    auto* other = m_button.OpenPalette()->findChild<QPushButton*>();
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->text(), "Weitere...");
    QTest::mouseClick(other, Qt::LeftButton);

    EXPECT_EQ(m_dialogStarts, std::vector{kShown});
    EXPECT_EQ(PickedColors(), std::vector{*m_answer});
    EXPECT_EQ(m_button.GetColor(), *m_answer);
    EXPECT_EQ(m_button.OpenPalette(), nullptr);
}

TEST_F(CColorButtonTest, CancelledDialogPicksNothing) {
    m_answer.reset();
    QTest::mouseClick(&m_button, Qt::LeftButton);
    m_button.ChooseOther();
    EXPECT_EQ(m_dialogStarts.size(), 1u);
    EXPECT_EQ(m_button.OpenPalette(), nullptr);
    EXPECT_EQ(m_picked.count(), 0);
    EXPECT_EQ(m_button.GetColor(), kShown);
}

TEST_F(CColorButtonTest, StandardDialogRunsAsAModalChildTheToolCanClose) {
    CColorButton::SetColorDialog({});
    bool closedFromItsLoop = false;
    QTimer::singleShot(0, [&closedFromItsLoop] {
        closedFromItsLoop = ModalLoopRunning();
        CloseModalChildren(nullptr);
    });
    m_button.ChooseOther();
    EXPECT_TRUE(closedFromItsLoop);
    EXPECT_EQ(m_picked.count(), 0);
}

}  // namespace
}  // namespace keyloom
