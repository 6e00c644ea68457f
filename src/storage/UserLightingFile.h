#pragma once

// The user lighting file of one profile: the ten presets of the user lighting mode, each with
// its per-LED colours and base-colour flags, the paint tool and the two paint colours, and the
// preset in use. An INI file read and written key by key; every change is written at once.

#include <string>
#include <utility>

#include "model/LightingRecord.h"

namespace keyloom {

inline constexpr int PRESET_COUNT = 10;

inline constexpr int TOOL_COLOR = 0;       // paint with the colour
inline constexpr int TOOL_BASE_COLOR = 1;  // paint with the base colour

struct KeyColorEntry {
    Color color = 0;
    bool followsBase = false;  // the key follows later changes of the base colour
};

struct PresetSettings {
    int tool = TOOL_COLOR;
    Color baseColor = 0;
    Color color = 0;
};

// Missing files, sections and keys read as their defaults: preset 0, the name "0", a key painted
// red that follows the base colour, tool 0, black colours. Writes give false when the value
// could not be stored or an argument is out of range.
class UserLightingFile {
  public:
    explicit UserLightingFile(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }

    // 0 to 9; a value that is no number or out of range reads as 0.
    int ReadPresetIndex() const;
    [[nodiscard]] bool WritePresetIndex(int preset) const;

    std::string ReadPresetName(int preset) const;
    [[nodiscard]] bool WritePresetName(int preset, const std::string& name) const;

    // Numbers missing at the end of the value count as 0; colour parts are cut to 0 to 255.
    KeyColorEntry ReadKeyColor(int preset, int led) const;
    [[nodiscard]] bool WriteKeyColor(int preset, int led, const KeyColorEntry& entry) const;

    // A tool other than 1 reads as 0.
    PresetSettings ReadPresetSettings(int preset) const;
    // Always writes the tool and both colours together.
    [[nodiscard]] bool WritePresetSettings(int preset, const PresetSettings& settings) const;

  private:
    std::string Read(const std::string& section, const std::string& key,
                     const std::string& defaultValue) const;
    bool Write(const std::string& section, const std::string& key, const std::string& value) const;

    std::string path_;
};

}  // namespace keyloom
