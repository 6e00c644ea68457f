#include "editors/MacroPage.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <map>
#include <optional>

#include "../controls/WidgetTestSupport.h"
#include "controls/CBaseDialog.h"
#include "controls/CPngButton.h"
#include "editors/MacroEventList.h"
#include "editors/MacroEventModel.h"
#include "editors/MacroNames.h"
#include "model/KeyCatalog.h"
#include "support/TestEnvironment.h"

namespace keyloom {
namespace {

constexpr ScanCode kA = 0x01E;
constexpr ScanCode kB = 0x030;
constexpr ScanCode kC = 0x02E;
constexpr ScanCode kD = 0x020;

constexpr char kSkin[] =
    "[SCREEN]\nMain=bg.png\n"
    "[BUTTONINFO]\n"
    "MARCO_NAME_SETTING=40,120,256,20\nFUNC_MACRO_LIST=40,144,256,28\n"
    "FUNC_MACRO_ADD=304,143,30,30\nFUNC_MACRO_DELETE=338,143,30,30\n"
    "FUNC_MACRO_LIST2=40,186,328,246\nFUNC_MACRO_RECORD=392,142,268,34\n"
    "FUNC_MACRO_UP_TOP=392,188,131,30\nFUNC_MACRO_UP=529,188,131,30\n"
    "FUNC_MACRO_DOWN=392,224,131,30\nFUNC_MACRO_DOWN_BOTTOM=529,224,131,30\n"
    "FUNC_MACRO_DELETE2=392,260,131,30\nFUNC_MACRO_CLEAR=529,260,131,30\n"
    "FUNC_MACRO_RECORD_DELAY=392,312,20,20\nFUNC_MACRO_RECORD_DELAY2=418,312,242,20\n"
    "FUNC_MACRO_CYCLES_PROMPT=392,350,160,20\nFUNC_MACRO_CYCLES=572,346,88,28\n";

// Texts are their keys, except those the page fills or builds names from.
const std::map<std::string, QString> kTexts = {
    {"MACRO_NEW_PREFIX", "Macro "},
    {"MACRO_ERR_MAX", "at most %d"},
    {"MACRO_ACTION_ERR_DELAY_MAX", "up to %d ms"},
};

MacroEvent Press(ScanCode key, uint32_t delay = 0) {
    return {delay, key, MACRO_PRESS};
}

std::vector<ScanCode> Keys(const std::vector<MacroEvent>& events) {
    std::vector<ScanCode> keys;
    for (const MacroEvent& event : events) {
        keys.push_back(event.key);
    }
    return keys;
}

std::vector<uint32_t> Pauses(const std::vector<MacroEvent>& events) {
    std::vector<uint32_t> pauses;
    for (const MacroEvent& event : events) {
        pauses.push_back(event.delay);
    }
    return pauses;
}

// A macro page on a bare dialog whose services answer from the fixture and note what they show.
class MacroPageTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::StartQtApplication(); }

    void SetUp() override {
        ASSERT_TRUE(test::FilledPicture(700, 480, Qt::black)
                        .save(QString::fromStdString(m_folder + "/bg.png")));
        m_dialog.emplace(test::WriteTextFile(m_folder, "Composite.ini", kSkin));
        m_page.emplace(*m_dialog, Services());
        m_page->ApplyLanguage();
        m_page->SetVisible(true);
        m_dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&*m_dialog));
    }

    MacroPageServices Services() {
        return {
            m_folder + "/",
            [](const char* key) {
                const auto text = kTexts.find(key);
                return text == kTexts.end() ? QString::fromLatin1(key) : text->second;
            },
            [this](const std::string& key) {
                m_asked.push_back(key);
                return m_answer;
            },
            [this](const std::string& key, const QString& text) {
                m_told.emplace_back(key, text.toStdString());
            },
            [](const MacroRecord&) { return true; },
            [this] { return m_now; },
            [this] { return m_recordDelays; },
            [this](bool on) { m_recordDelays = on; },
        };
    }

    static MacroRecord Macro(const MacroList& list, const std::string& name,
                             const std::vector<MacroEvent>& events = {}) {
        MacroRecord macro = NewMacroRecord(list, name);
        macro.SetEvents(events);
        return macro;
    }

    // Loads the macros and shows the page with the first one selected.
    void LoadAndSelectFirst(const std::vector<std::vector<MacroEvent>>& eventsOfMacros) {
        MacroList macros;
        for (const auto& events : eventsOfMacros) {
            macros.push_back(Macro(macros, "m" + std::to_string(macros.size()), events));
        }
        m_page->Load(macros);
        m_page->ShowInitial(macros.front().Id());
    }

    template <typename T>
    T* Find(const char* name) {
        T* control = m_dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    void Click(const char* button) { Find<CPngButton>(button)->click(); }
    MacroEventList& Events() { return *Find<MacroEventList>("FUNC_MACRO_LIST2"); }
    QComboBox& MacroBox() { return *Find<QComboBox>("FUNC_MACRO_LIST"); }
    QLineEdit& Repeat() { return *Find<QLineEdit>("FUNC_MACRO_CYCLES"); }

    void RecordAt(uint32_t now, ScanCode key, bool press) {
        m_now = now;
        m_page->Record(key, press);
    }

    // Opens the in-place editor of a cell.
    QWidget* EditCell(int row, int column) {
        const QModelIndex cell = Events().model()->index(row, column);
        Events().edit(cell);
        return Events().indexWidget(cell);
    }

    const std::string m_folder = test::MakeTemporaryFolder();
    std::optional<CBaseDialog> m_dialog;
    std::optional<MacroPage> m_page;
    uint32_t m_now = 1000;
    bool m_recordDelays = false;
    bool m_answer = false;
    std::vector<std::string> m_asked;
    std::vector<std::pair<std::string, std::string>> m_told;
};

TEST_F(MacroPageTest, LoadedListHasNoSelectionAndTheEventButtonsAreOff) {
    m_recordDelays = true;
    m_page->Load({Macro({}, "only")});

    EXPECT_TRUE(m_page->HasMacros());
    EXPECT_EQ(m_page->SelectedMacro(), -1);
    EXPECT_EQ(m_page->SelectedMacroId(), 0);
    EXPECT_TRUE(Find<QCheckBox>("FUNC_MACRO_RECORD_DELAY")->isChecked());
    for (const char* button : {"FUNC_MACRO_RECORD", "FUNC_MACRO_DELETE2", "FUNC_MACRO_CLEAR",
                               "FUNC_MACRO_UP_TOP", "FUNC_MACRO_DOWN_BOTTOM"}) {
        EXPECT_FALSE(Find<CPngButton>(button)->isEnabled()) << button;
    }
    m_page->ShowInitial(77);  // no macro has it: the first
    EXPECT_EQ(m_page->SelectedMacro(), 0);
    EXPECT_TRUE(Find<CPngButton>("FUNC_MACRO_RECORD")->isEnabled());
}

TEST_F(MacroPageTest, ShownLaterTheFirstTimeSelectsTheFirstMacroOnlyForIdZero) {
    const MacroList macros = {Macro({}, "a")};
    for (const uint32_t id : {0u, 1u}) {
        m_page->Load(macros);
        m_page->ShowLater(id);
        EXPECT_EQ(m_page->SelectedMacro(), id == 0 ? 0 : -1) << id;
    }
    m_page->Load(macros);
    m_page->ShowLater(5);
    m_page->ShowLater(0);  // not the first time any more
    EXPECT_EQ(m_page->SelectedMacro(), -1);
}

struct RecordingCase {
    bool recordDelays;
    std::vector<uint32_t> pauses;
};

// Presses and releases A and B, 300, 400 and 50 ms apart.
TEST_F(MacroPageTest, RecordedPausesAreMeasuredOrFiftyAndTheLastIsZero) {
    for (const RecordingCase& test :
         {RecordingCase{false, {50, 50, 50, 0}}, RecordingCase{true, {300, 400, 50, 0}}}) {
        m_recordDelays = test.recordDelays;
        LoadAndSelectFirst({{}});
        QSignalSpy changed(&*m_page, &MacroPage::changed);
        Click("FUNC_MACRO_RECORD");
        RecordAt(1100, kA, true);
        RecordAt(1400, kA, false);
        RecordAt(1800, kB, true);
        RecordAt(1850, kB, false);

        const std::vector<MacroEvent> events = m_page->EditedMacros().front().Events();
        EXPECT_EQ(Pauses(events), test.pauses) << test.recordDelays;
        EXPECT_EQ(Keys(events), (std::vector<ScanCode>{kA, kA, kB, kB}));
        EXPECT_EQ(events[1].action, MACRO_RELEASE);
        EXPECT_EQ(Events().SelectedRow(), 3);
        EXPECT_EQ(changed.count(), 4);
    }
}

TEST_F(MacroPageTest, RecordingDropsRepeatsAndMediaKeysAndCompletesSingleEventKeys) {
    LoadAndSelectFirst({{}});
    Click("FUNC_MACRO_RECORD");
    m_page->Record(kA, true);
    m_page->Record(kA, true);     // held
    m_page->Record(0x120, true);  // a media key
    m_page->Record(kA, false);
    m_page->Record(0x137, true);  // Print Screen is taken on its release
    m_page->Record(0x137, false);

    const std::vector<MacroEvent> events = m_page->EditedMacros().front().Events();
    EXPECT_EQ(Keys(events), (std::vector<ScanCode>{kA, kA, 0x137, 0x137}));
    EXPECT_EQ(events[2].action, MACRO_PRESS);
    EXPECT_EQ(events[3].action, MACRO_RELEASE);
}

TEST_F(MacroPageTest, RecordingInsertsAfterTheSelectedRowAndIgnoresEventsBeyondTheLimit) {
    LoadAndSelectFirst({{Press(kA), Press(kB)}});
    Events().SelectRow(0);
    Click("FUNC_MACRO_RECORD");
    m_page->Record(kC, true);
    EXPECT_EQ(Keys(Events().Events()), (std::vector<ScanCode>{kA, kC, kB}));

    LoadAndSelectFirst({std::vector<MacroEvent>(MACRO_MAX_EVENTS - 1, Press(kA))});
    QSignalSpy changed(&*m_page, &MacroPage::changed);
    Click("FUNC_MACRO_RECORD");
    m_page->Record(kB, true);
    m_page->Record(kC, true);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(Events().Events().size(), size_t{MACRO_MAX_EVENTS});
    EXPECT_EQ(Events().Events().back().key, kB);
}

TEST_F(MacroPageTest, RecordingStateShowsOnTheButtonAndLocksTheMacroChoice) {
    LoadAndSelectFirst({{}});
    QSignalSpy recording(&*m_page, &MacroPage::recordingChanged);
    CPngButton& record = *Find<CPngButton>("FUNC_MACRO_RECORD");
    EXPECT_EQ(record.text(), "A_RECORD");

    for (const bool on : {true, false}) {
        Click("FUNC_MACRO_RECORD");
        EXPECT_EQ(m_page->Recording(), on);
        EXPECT_EQ(record.Marked(), on);
        EXPECT_EQ(record.text(), on ? "MACRO_ACTION_STOP_RECORD" : "MACRO_ACTION_RECORD");
        EXPECT_EQ(MacroBox().isEnabled(), !on);
        EXPECT_EQ(Find<CPngButton>("FUNC_MACRO_ADD")->isEnabled(), !on);
        EXPECT_EQ(Find<CPngButton>("FUNC_MACRO_DELETE")->isEnabled(), !on);
        ASSERT_EQ(recording.count(), on ? 1 : 2);
        EXPECT_EQ(recording.last().first().toBool(), on);
    }
}

TEST_F(MacroPageTest, RepeatCountIsKeptFromOneTo255) {
    LoadAndSelectFirst({{}});
    for (const auto& [typed, shown] :
         std::vector<std::pair<QString, QString>>{{"0", "1"}, {"300", "255"}, {"7", "7"}}) {
        QSignalSpy changed(&*m_page, &MacroPage::changed);
        Repeat().selectAll();
        QTest::keyClicks(&Repeat(), typed);
        EXPECT_EQ(Repeat().text(), shown) << typed.toStdString();
        EXPECT_EQ(m_page->RepeatCount(), shown.toInt());
        EXPECT_GE(changed.count(), typed.size());
    }
    EXPECT_EQ(m_page->EditedMacros().front().RepeatCount(), 7);
}

TEST_F(MacroPageTest, AddNamesWithTheRunningNumberUntilTheListIsFull) {
    MacroNameCounter() = 0;  // as right after the tool has started
    m_page->Load({Macro({}, "Macro 1")});
    Click("FUNC_MACRO_ADD");
    EXPECT_EQ(MacroBox().currentText(), "Macro 2");
    EXPECT_EQ(m_page->SelectedMacro(), 1);

    m_page->Load({});  // an empty list starts the numbers again
    Click("FUNC_MACRO_ADD");
    EXPECT_EQ(MacroBox().currentText(), "Macro 1");

    MacroList full;
    while (full.size() < MACRO_LIST_CAPACITY) {
        full.push_back(Macro(full, "x"));
    }
    m_page->Load(full);
    Click("FUNC_MACRO_ADD");
    EXPECT_EQ(m_page->EditedMacros().size(), full.size());
    EXPECT_EQ(m_told, (decltype(m_told){{"MACRO_ERR_MAX", "at most 100"}}));
}

TEST_F(MacroPageTest, TypingRenamesTheSelectedMacroOrCreatesOneInAnEmptyList) {
    m_page->Load({});
    QSignalSpy changed(&*m_page, &MacroPage::changed);
    QTest::keyClicks(MacroBox().lineEdit(), "Hi");
    MacroList edited = m_page->EditedMacros();
    ASSERT_EQ(edited.size(), 1u);
    EXPECT_EQ(edited[0].Name(), "Hi");
    EXPECT_TRUE(edited[0].IsNew());
    EXPECT_EQ(m_page->SelectedMacroId(), 1);
    EXPECT_GE(changed.count(), 2);

    LoadAndSelectFirst({{}, {}});
    MacroBox().lineEdit()->setCursorPosition(1);
    QTest::keyClicks(MacroBox().lineEdit(), "X");
    edited = m_page->EditedMacros();
    EXPECT_EQ(edited[0].Name(), "mX0");
    EXPECT_EQ(MacroBox().itemText(0), "mX0");
    EXPECT_EQ(edited[1].Name(), "m1");
}

TEST_F(MacroPageTest, ChoosingAnotherMacroKeepsTheEditsOfTheFirst) {
    LoadAndSelectFirst({{Press(kA), Press(kB)}, {Press(kC)}});
    Events().SelectRow(0);
    Click("FUNC_MACRO_DELETE2");
    Repeat().setText("9");

    MacroBox().setCurrentIndex(1);
    EXPECT_EQ(Keys(Events().Events()), std::vector<ScanCode>{kC});
    EXPECT_EQ(Repeat().text(), "1");
    const MacroList edited = m_page->EditedMacros();
    EXPECT_EQ(Keys(edited[0].Events()), std::vector<ScanCode>{kB});
    EXPECT_EQ(edited[0].RepeatCount(), 9);
}

TEST_F(MacroPageTest, DeletingAMacroSelectsThePreviousOne) {
    LoadAndSelectFirst({{}, {}, {}});
    MacroBox().setCurrentIndex(2);
    Click("FUNC_MACRO_DELETE");
    EXPECT_EQ(m_page->SelectedMacro(), 1);
    MacroBox().setCurrentIndex(0);
    Click("FUNC_MACRO_DELETE");
    EXPECT_EQ(m_page->SelectedMacro(), 0);
    EXPECT_EQ(m_page->EditedMacros().front().Name(), "m1");
}

struct MoveCase {
    const char* button;
    int from;
    std::vector<ScanCode> keys;
    int selected;
};

TEST_F(MacroPageTest, MovedEventKeepsItsPauseAndStaysSelected) {
    const std::vector<MoveCase> cases = {
        {"FUNC_MACRO_UP_TOP", 2, {kC, kA, kB, kD}, 0},
        {"FUNC_MACRO_UP", 2, {kA, kC, kB, kD}, 1},
        {"FUNC_MACRO_DOWN", 1, {kA, kC, kB, kD}, 2},
        {"FUNC_MACRO_DOWN_BOTTOM", 0, {kB, kC, kD, kA}, 3},
        {"FUNC_MACRO_UP", 0, {kA, kB, kC, kD}, 0},
    };
    for (const MoveCase& test : cases) {
        LoadAndSelectFirst({{Press(kA, 10), Press(kB, 20), Press(kC, 30), Press(kD, 40)}});
        Events().SelectRow(test.from);
        Click(test.button);
        const std::vector<MacroEvent>& events = Events().Events();
        EXPECT_EQ(Keys(events), test.keys) << test.button << " " << test.from;
        EXPECT_EQ(Events().SelectedRow(), test.selected) << test.button;
        for (const MacroEvent& event : events) {
            EXPECT_EQ(event.delay, 10u * (event.key == kA   ? 1
                                          : event.key == kB ? 2
                                          : event.key == kC ? 3
                                                            : 4));
        }
    }
}

TEST_F(MacroPageTest, ClearingAsksFirstAndDeletingAnEventKeepsTheOtherPauses) {
    LoadAndSelectFirst({{Press(kA, 10), Press(kB, 20), Press(kC, 30)}});
    Events().SelectRow(1);
    Click("FUNC_MACRO_DELETE2");
    EXPECT_EQ(Pauses(Events().Events()), (std::vector<uint32_t>{10, 30}));

    Click("FUNC_MACRO_CLEAR");
    EXPECT_EQ(Events().Events().size(), 2u);
    m_answer = true;
    Click("FUNC_MACRO_CLEAR");
    EXPECT_TRUE(Events().Events().empty());
    Click("FUNC_MACRO_CLEAR");  // nothing to ask about
    EXPECT_EQ(m_asked, std::vector<std::string>(2, "MACRO_ACTION_CLEAR_CONFIRM"));
}

TEST_F(MacroPageTest, TypedPauseIsValidatedAndAnOverlongOneIsToldAndClipped) {
    for (const auto& [typed, pause, told] : std::vector<std::tuple<QString, uint32_t, bool>>{
             {"1234", 1230, false}, {"50000", 40000, true}}) {
        m_told.clear();
        LoadAndSelectFirst({{Press(kA, 10)}});
        auto* edit = qobject_cast<QLineEdit*>(EditCell(0, kPauseColumn));
        ASSERT_NE(edit, nullptr);
        edit->setText(typed);
        m_page->FinishEditing();
        EXPECT_EQ(Events().Events()[0].delay, pause);
        EXPECT_EQ(Events().model()->index(0, kPauseColumn).data().toString(),
                  QString::number(pause));
        EXPECT_EQ(m_told.size(), told ? 1u : 0u);
        if (told) {
            EXPECT_EQ(m_told[0], std::make_pair(std::string("MACRO_ACTION_ERR_DELAY_MAX"),
                                                std::string("up to 40000 ms")));
        }
    }
}

TEST_F(MacroPageTest, PauseEditStopsRecordingAndTheOtherColumnsOfferTheirChoices) {
    LoadAndSelectFirst({{Press(kA, 10)}});
    Click("FUNC_MACRO_RECORD");
    auto* action = qobject_cast<QComboBox*>(EditCell(0, kActionColumn));
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(m_page->Recording());
    EXPECT_EQ(action->itemText(1), "  ↑");
    action->setCurrentIndex(1);
    m_page->FinishEditing();
    EXPECT_EQ(Events().Events()[0].action, MACRO_RELEASE);
    EXPECT_EQ(Events().model()->index(0, kActionColumn).data().toString(), "  ↑");

    auto* key = qobject_cast<QComboBox*>(EditCell(0, kKeyColumn));
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->count(), kKeyListLength);
    EXPECT_EQ(key->currentIndex(), ListCodeOf(kA));

    m_page->FinishEditing();
    EditCell(0, kPauseColumn);
    EXPECT_FALSE(m_page->Recording());
}

}  // namespace
}  // namespace keyloom
