#include "controls/CPresetBox.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <string>
#include <vector>

#include "WidgetTestSupport.h"

namespace keyloom {
namespace {

const std::vector<std::string> kPresets = {"Alpha", "Beta", "Gamma"};

// A shown box holding kPresets.
class CPresetBoxTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::StartQtApplication(); }

    void SetUp() override {
        m_box.resize(200, 26);
        m_box.SetPresets(kPresets);
        m_box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_box));
    }

    QStringList Items() const {
        QStringList items;
        for (int i = 0; i < m_box.count(); ++i) {
            items << m_box.itemText(i);
        }
        return items;
    }

    CPresetBox m_box;
    QSignalSpy m_chosen{&m_box, &CPresetBox::presetChosen};
    QSignalSpy m_renamed{&m_box, &CPresetBox::presetRenamed};
};

TEST_F(CPresetBoxTest, ProgrammaticChangesEmitNothing) {
    m_box.SelectPreset(2);
    EXPECT_EQ(m_box.currentIndex(), 2);
    EXPECT_EQ(m_box.currentText(), "Gamma");

    m_box.SetPresets(std::vector<std::string>{"One", "Two", "Three", "Four"});
    EXPECT_EQ(Items(), (QStringList{"One", "Two", "Three", "Four"}));
    EXPECT_EQ(m_box.currentIndex(), 2);
    m_box.SetPresets(std::vector<std::string>{"Only"});
    EXPECT_EQ(m_box.currentIndex(), 0);
    EXPECT_EQ(m_box.lineEdit()->text(), "Only");

    EXPECT_EQ(m_chosen.count(), 0);
    EXPECT_EQ(m_renamed.count(), 0);
}

TEST_F(CPresetBoxTest, PickingAnItemFromTheListIsAChoice) {
    m_box.showPopup();
    QAbstractItemView* list = m_box.view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
    const QPoint gamma = list->visualRect(list->model()->index(2, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, gamma);

    ASSERT_EQ(m_chosen.count(), 1);
    EXPECT_EQ(m_chosen.at(0).at(0).toInt(), 2);
    EXPECT_EQ(m_box.currentText(), "Gamma");
    EXPECT_EQ(m_renamed.count(), 0);
}

TEST_F(CPresetBoxTest, EditingRenamesTheCurrentItemInPlace) {
    m_box.SelectPreset(1);
    QLineEdit* edit = m_box.lineEdit();
    edit->setCursorPosition(1);
    QTest::keyClicks(edit, "xy");

    EXPECT_EQ(Items(), (QStringList{"Alpha", "Bxyeta", "Gamma"}));
    EXPECT_EQ(m_box.currentIndex(), 1);
    EXPECT_EQ(edit->text(), "Bxyeta");
    EXPECT_EQ(edit->cursorPosition(), 3);
    ASSERT_EQ(m_renamed.count(), 2);
    EXPECT_EQ(m_renamed.at(1).at(0).toInt(), 1);
    EXPECT_EQ(m_renamed.at(1).at(1).toString(), "Bxyeta");
    EXPECT_EQ(m_chosen.count(), 0);
}

TEST_F(CPresetBoxTest, EnterAddsNoItemNorJumpsToAnItemOfTheSameName) {
    m_box.SelectPreset(2);
    QLineEdit* edit = m_box.lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, "Alpha");
    QTest::keyClick(edit, Qt::Key_Return);

    EXPECT_EQ(Items(), (QStringList{"Alpha", "Beta", "Alpha"}));
    EXPECT_EQ(m_box.currentIndex(), 2);
    EXPECT_EQ(m_chosen.count(), 0);
    ASSERT_GT(m_renamed.count(), 0);
    EXPECT_EQ(m_renamed.back().at(1).toString(), "Alpha");
}

}  // namespace
}  // namespace keyloom
