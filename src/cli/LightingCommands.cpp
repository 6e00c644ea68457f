// lighting and rate: the active profile's lighting record and per-key colours, each change one
// transaction through the core's lighting operations, as the lighting panel makes it.

#include <array>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "cli/ArgumentValues.h"
#include "cli/ConfigBlockText.h"
#include "cli/CtlCommands.h"
#include "cli/CtlFailure.h"
#include "cli/CtlLighting.h"
#include "cli/CtlSession.h"
#include "cli/KeyArguments.h"
#include "cli/LightingModeNames.h"
#include "device/DeviceResult.h"
#include "session/LightingOperations.h"
#include "session/UserLighting.h"

namespace keyloom {

namespace {

constexpr int kLowestBrightness = 1;
constexpr int kHighestBrightness = 14;
constexpr int kSlowestSpeed = 9;

// By report-rate index.
constexpr std::array<std::string_view, MAX_REPORT_RATE + 1> kReportRates = {"1000", "500", "250",
                                                                            "125"};
// By the value of the fixed-colour field.
constexpr std::array<std::string_view, MAX_FIXED_COLOR + 1> kFixedColors = {"red", "yellow",
                                                                            "green", "blue"};
constexpr std::array<std::string_view, 2> kSwitch = {"off", "on"};

// A direction is the first or the second of its mode's pair.
struct DirectionWord {
    std::string_view word;
    uint8_t value;
};
constexpr std::array<DirectionWord, 6> kDirections = {{
    {"left", LIGHT_DIRECTION_FIRST},
    {"right", LIGHT_DIRECTION_SECOND},
    {"up", LIGHT_DIRECTION_FIRST},
    {"down", LIGHT_DIRECTION_SECOND},
    {"spread", LIGHT_DIRECTION_FIRST},
    {"converge", LIGHT_DIRECTION_SECOND},
}};

// The pairs of the modes that have a direction; modes 1 to 3 go sideways.
struct ModeDirections {
    int mode;
    size_t first;  // the word of the first direction in kDirections; the second follows it
};
constexpr ModeDirections kModeDirections[] = {{1, 0}, {2, 0}, {3, 0}, {12, 2}, {18, 4}};

// What a change does once the lighting has been read; the exit code.
using LightingWork = std::function<int(CtlLighting& lighting)>;

std::string Hex(Color color) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", RedOf(color), GreenOf(color), BlueOf(color));
    return text;
}

std::string DirectionText(int mode, uint8_t direction) {
    const size_t second = direction == LIGHT_DIRECTION_FIRST ? 0 : 1;
    for (const ModeDirections& pair : kModeDirections) {
        if (pair.mode == mode) {
            return std::string(kDirections[pair.first + second].word);
        }
    }
    return second == 0 ? "left, up or spread" : "right, down or converge";
}

int ShowLighting(CtlLighting& lighting) {
    const LightingValues& values = lighting.State().values;
    std::vector<int> modes;
    for (int item = 0; item < lighting.State().modes.Count(); ++item) {
        modes.push_back(lighting.State().modes.ModeOfItem(item));
    }
    std::printf("profile:        %d\n", lighting.State().Profile() + 1);
    std::printf("mode:           %s\n", ModeText(values.mode).c_str());
    std::printf("brightness:     %d\n", values.brightness);
    std::printf("speed:          %d\n", values.speed);
    std::printf("direction:      %s\n", DirectionText(values.mode, values.direction).c_str());
    std::printf("colour:         %s\n", Hex(values.color).c_str());
    std::printf("multicolour:    %s\n", values.multicolor ? "on" : "off");
    std::printf("fixed colour:   %s\n",
                std::string(kFixedColors[static_cast<size_t>(values.fixedColor)]).c_str());
    std::printf("second colour:  %s%s\n", Hex(values.secondColor).c_str(),
                values.secondMulticolor ? " multicolour" : "");
    std::printf("third colour:   %s%s\n", Hex(values.thirdColor).c_str(),
                values.thirdMulticolor ? " multicolour" : "");
    std::printf("report rate:    %s Hz\n",
                std::string(kReportRates[static_cast<size_t>(values.reportRate)]).c_str());
    std::printf("lighting modes: %s\n", JoinedNumbers(modes, " ").c_str());
    return 0;
}

int Written(DeviceResult result, const std::string& what) {
    if (result != RESULT_OK) {
        return CommandFailed("the keyboard did not take the " + what);
    }
    std::printf("%s\n", what.c_str());
    return 0;
}

// Bytes of the active profile's record, in one transaction.
LightingWork FieldWrite(size_t field, std::vector<uint8_t> bytes, std::string what) {
    return [field, bytes = std::move(bytes), what = std::move(what)](CtlLighting& lighting) {
        LightingContext context = lighting.Context();
        return Written(WriteLightingBytes(context, field, bytes.data(), bytes.size()), what);
    };
}

LightingWork ModeWrite(int mode) {
    return [mode](CtlLighting& lighting) {
        if (!lighting.State().modes.Contains(mode)) {
            return ArgumentRefused("the keyboard has no lighting mode " + std::to_string(mode));
        }
        LightingContext context = lighting.Context();
        return Written(WriteMode(context, mode), "mode " + ModeText(mode));
    };
}

// The per-key colours and their presets belong to the user mode, as in the lighting panel.
bool InUserMode(CtlLighting& lighting) {
    const LightingState& state = lighting.State();
    if (state.values.mode == MODE_USER && state.modes.Contains(MODE_USER)) {
        return true;
    }
    CommandFailed("per-key colours need mode " + ModeText(MODE_USER) +
                  "; the keyboard is in mode " + ModeText(state.values.mode));
    return false;
}

// Paints as the panel does with its colour tool, in the preset the profile uses.
LightingWork Paint(std::vector<KeyButton> buttons, Color color) {
    return [buttons = std::move(buttons), color](CtlLighting& lighting) {
        if (!InUserMode(lighting)) {
            return CTL_EXIT_FAILED;
        }
        LightingState& state = lighting.State();
        const UserLightingFile file = lighting.Files().LightingFile(state.Profile());
        state.preset = file.ReadPresetIndex();
        state.paint = file.ReadPresetSettings(state.preset);
        state.paint.tool = TOOL_COLOR;
        state.paint.color = color;
        state.view = true;
        LightingContext context = lighting.Context();
        for (const KeyButton& button : buttons) {
            if (PaintKey(context, button.control) != RESULT_OK) {
                return CommandFailed("the keyboard did not take the colour of LED " +
                                     std::to_string(button.led));
            }
        }
        std::printf("painted %zu %s %s\n", buttons.size(), buttons.size() == 1 ? "key" : "keys",
                    Hex(color).c_str());
        return 0;
    };
}

LightingWork PresetChoice(int preset) {
    return [preset](CtlLighting& lighting) {
        if (!InUserMode(lighting)) {
            return CTL_EXIT_FAILED;
        }
        const UserLightingFile file = lighting.Files().LightingFile(lighting.State().Profile());
        if (!file.WritePresetIndex(preset)) {
            return CommandFailed("cannot write " + file.Path());
        }
        LightingContext context = lighting.Context();
        return Written(LoadUserPreset(context), "preset " + std::to_string(preset + 1));
    };
}

using Words = std::vector<std::string>;

// Each setting reads its words after the setting's own.
struct LightingSetting {
    std::string_view word;
    std::string_view values;  // as the help shows them
    size_t minValues;
    size_t maxValues;
    Checked<LightingWork> (*read)(const Words& values);
};

Checked<LightingWork> Failure(const std::string& error) {
    return {std::nullopt, error};
}

Checked<LightingWork> ReadMode(const Words& values) {
    const Checked<int> mode = ModeArgument(values[0]);
    return mode ? Accepted(ModeWrite(*mode)) : Failure(mode.error);
}

Checked<LightingWork> ReadBrightness(const Words& values) {
    const Checked<int> level =
        NumberArgument("brightness", values[0], kLowestBrightness, kHighestBrightness);
    return level ? Accepted(FieldWrite(LIGHT_BRIGHTNESS, {static_cast<uint8_t>(*level)},
                                       "brightness " + values[0]))
                 : Failure(level.error);
}

Checked<LightingWork> ReadSpeed(const Words& values) {
    const Checked<int> speed = NumberArgument("speed", values[0], 0, kSlowestSpeed);
    return speed ? Accepted(FieldWrite(LIGHT_SPEED, {static_cast<uint8_t>(*speed)},
                                       "speed " + values[0]))
                 : Failure(speed.error);
}

Checked<LightingWork> ReadDirection(const Words& values) {
    const Checked<size_t> direction = ChoiceArgument("direction", values[0], DirectionWords());
    return direction ? Accepted(FieldWrite(LIGHT_DIRECTION, {kDirections[*direction].value},
                                           "direction " + values[0]))
                     : Failure(direction.error);
}

// A single colour replaces the changing colours, in one write, as the panel's colour buttons do.
Checked<LightingWork> ReadColor(const Words& values) {
    const Checked<Color> color = ColorArgument(values[0]);
    static_assert(LIGHT_MULTICOLOR + 1 == LIGHT_COLOR);
    return color ? Accepted(FieldWrite(LIGHT_MULTICOLOR,
                                       {0, RedOf(*color), GreenOf(*color), BlueOf(*color)},
                                       "colour " + Hex(*color)))
                 : Failure(color.error);
}

Checked<LightingWork> ReadMulticolor(const Words& values) {
    const Checked<size_t> on = ChoiceArgument("multicolour switch", values[0], kSwitch);
    return on ? Accepted(FieldWrite(LIGHT_MULTICOLOR, {static_cast<uint8_t>(*on)},
                                    "multicolour " + std::string(kSwitch[*on])))
              : Failure(on.error);
}

Checked<LightingWork> ReadFixedColor(const Words& values) {
    const Checked<size_t> fixed = ChoiceArgument("fixed colour", values[0], kFixedColors);
    return fixed ? Accepted(FieldWrite(LIGHT_FIXED_COLOR, {static_cast<uint8_t>(*fixed)},
                                       "fixed colour " + std::string(kFixedColors[*fixed])))
                 : Failure(fixed.error);
}

Checked<LightingWork> ReadPaint(const Words& values) {
    const Checked<Color> color = ColorArgument(values.back());
    if (!color) {
        return Failure(color.error);
    }
    std::vector<KeyButton> buttons;
    for (size_t i = 0; i + 1 < values.size(); ++i) {
        const Checked<KeyButton> button = LitButtonArgument(values[i]);
        if (!button) {
            return Failure(button.error);
        }
        buttons.push_back(*button);
    }
    return Accepted(Paint(std::move(buttons), *color));
}

Checked<LightingWork> ReadPreset(const Words& values) {
    const Checked<int> preset = NumberArgument("preset", values[0], 1, PRESET_COUNT);
    return preset ? Accepted(PresetChoice(*preset - 1)) : Failure(preset.error);
}

constexpr LightingSetting kSettings[] = {
    {"mode", "N|NAME", 1, 1, &ReadMode},
    {"brightness", "1..14", 1, 1, &ReadBrightness},
    {"speed", "0..9", 1, 1, &ReadSpeed},
    {"direction", "left|right|up|down|spread|converge", 1, 1, &ReadDirection},
    {"color", "RRGGBB", 1, 1, &ReadColor},
    {"multicolor", "on|off", 1, 1, &ReadMulticolor},
    {"fixed", "red|yellow|green|blue", 1, 1, &ReadFixedColor},
    {"paint", "KEY... RRGGBB", 2, CTL_ANY_NUMBER, &ReadPaint},
    {"preset", "1..10", 1, 1, &ReadPreset},
};

CtlPlan InLighting(LightingWork work) {
    return CtlPlan::WithKeyboard([work = std::move(work)](CtlSession& ctl) {
        CtlLighting lighting(ctl.Session());
        return lighting.Read() ? work(lighting) : CTL_EXIT_FAILED;
    });
}

CtlPlan PlanLighting(const CtlArguments& arguments) {
    const Words& words = arguments.Operands();
    if (words.empty()) {
        return InLighting(&ShowLighting);
    }
    for (const LightingSetting& setting : kSettings) {
        if (words[0] != setting.word) {
            continue;
        }
        const Words values(words.begin() + 1, words.end());
        if (values.size() < setting.minValues || values.size() > setting.maxValues) {
            return CtlPlan::Refused("lighting " + words[0] + " takes " +
                                    std::string(setting.values));
        }
        const Checked<LightingWork> work = setting.read(values);
        return work ? InLighting(*work) : CtlPlan::Refused(work.error);
    }
    return CtlPlan::Refused(
        BadArgument("lighting setting", words[0], ChoiceList(LightingSettingWords())));
}

CtlPlan PlanRate(const CtlArguments& arguments) {
    const std::string& word = arguments.Operands()[0];
    const Checked<size_t> rate = ChoiceArgument("report rate", word, kReportRates);
    if (!rate) {
        return CtlPlan::Refused(rate.error);
    }
    return InLighting(FieldWrite(LIGHT_REPORT_RATE, {static_cast<uint8_t>(*rate)},
                                 "report rate " + word + " Hz"));
}

}  // namespace

std::vector<std::string> LightingSettingWords() {
    return WordsOf(kSettings, &LightingSetting::word);
}

std::vector<std::string> DirectionWords() {
    return WordsOf(kDirections, &DirectionWord::word);
}

std::vector<std::string> FixedColorWords() {
    return {kFixedColors.begin(), kFixedColors.end()};
}

std::vector<std::string> ReportRateWords() {
    return {kReportRates.begin(), kReportRates.end()};
}

const std::vector<CtlCommand>& LightingCommands() {
    static const std::vector<CtlCommand> commands = {
        {"lighting",
         "[SETTING VALUE...]",
         "show the active profile's lighting, or change one setting of it",
         "Without a setting it shows the mode, brightness, speed, direction, colours and report\n"
         "rate. The settings, each written to the keyboard at once:\n"
         "  mode N|NAME             a lighting mode the keyboard offers, by number or name\n"
         "  brightness 1..14\n"
         "  speed 0..9              9 is the slowest\n"
         "  direction left|right|up|down|spread|converge\n"
         "                          left, up and spread are the first direction of a mode\n"
         "  color RRGGBB            one colour instead of changing colours\n"
         "  multicolor on|off       changing colours\n"
         "  fixed red|yellow|green|blue\n"
         "                          the colour of the fixed-colour mode\n"
         "  paint KEY... RRGGBB     per-key colours of the custom mode (20); KEY as in assign,\n"
         "                          or Fn; stored in the profile's preset as the window does\n"
         "  preset 1..10            the custom mode's preset, loaded from its file\n",
         {},
         0,
         CTL_ANY_NUMBER,
         &PlanLighting},
        {"rate",
         "125|250|500|1000",
         "set the keyboard's USB report rate in Hz",
         "",
         {},
         1,
         1,
         &PlanRate},
    };
    return commands;
}

}  // namespace keyloom
