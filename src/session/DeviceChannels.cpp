#include "session/DeviceChannels.h"

#include <chrono>
#include <optional>
#include <thread>

#include "device/ConfigCommands.h"
#include "device/DeviceResult.h"
#include "device/RequestTags.h"
#include "session/ActiveProfile.h"
#include "session/KeyboardSession.h"
#include "session/LanguageMessage.h"
#include "session/ProfileReload.h"
#include "session/TransportCallback.h"

namespace keyloom {

namespace {

using std::chrono::milliseconds;
using ConfigBlock = std::array<uint8_t, CONFIG_BLOCK_SIZE>;

constexpr char kMatrixReadFailedText[] = "MAIN_DEFAULT_MATRIX_PROMPT";
constexpr milliseconds kInitCompletePoll{50};
constexpr milliseconds kTrayIconPoll{1};
constexpr int kLabelledGKeys = 5;

WindowPort& Window(KeyboardSession& session) {
    return *session.context.window;
}

std::optional<ConfigBlock> ReadConfigBlock(KeyboardSession& session) {
    ConfigBlock block{};
    if (CmdReadConfig(session.link.Exchange(), block.data()) != RESULT_OK) {
        return std::nullopt;
    }
    return block;
}

// The window follows the bank on its own thread; this transport thread waits for it.
void SwitchBank(KeyboardSession& session, uint16_t) {
    session.channels.SwitchMacroKeyBank();
    Window(session).SendMessage(UM_BANK_CHANGED, TAG_BANK, 0);
}

// The window re-reads at once, on its own thread, what the keyboard changed.
template <uint32_t timer>
void ArmTimer(KeyboardSession& session, uint16_t) {
    Window(session).SetTimer(timer, 0);
}

void ChangeTrayIcon(KeyboardSession& session, int icon) {
    if (session.trayIcon.exchange(icon) != icon) {
        Window(session).SetTrayIcon(icon);
    }
}

void RunTrayIconWorker(KeyboardSession& session, uint16_t code) {
    for (bool idle = false; !session.trayIconBusy.compare_exchange_weak(idle, true); idle = false) {
        std::this_thread::sleep_for(kTrayIconPoll);
    }
    ChangeTrayIcon(session,
                   code == CONSUMER_SPECIAL_ON ? TRAY_ICON_SPECIAL : session.normalTrayIcon.load());
    std::this_thread::sleep_for(kTrayIconPoll);
    session.trayIconBusy = false;
}

void StartTrayIconWorker(KeyboardSession& session, uint16_t code) {
    StartSessionThread(session, [&session, code] { RunTrayIconWorker(session, code); });
}

struct ConsumerCodeAction {
    uint16_t first;
    uint16_t last;
    void (*act)(KeyboardSession& session, uint16_t code);  // null: accepted, no effect
};

constexpr ConsumerCodeAction kConsumerCodeActions[] = {
    {CONSUMER_BANK_KEY, CONSUMER_BANK_KEY, SwitchBank},
    {CONSUMER_LIGHTING_CHANGED, CONSUMER_LIGHTING_CHANGED, ArmTimer<TIMER_LIGHTING_CHANGED>},
    {CONSUMER_PROFILE_CHANGED, CONSUMER_PROFILE_CHANGED, ArmTimer<TIMER_PROFILE_CHANGED>},
    {CONSUMER_ACCEPTED_FIRST, CONSUMER_ACCEPTED_LAST, nullptr},
    {CONSUMER_SPECIAL_OFF, CONSUMER_SPECIAL_ON, StartTrayIconWorker},
};

// A failed read keeps the table the tool had.
void ReadDefaultKeyMatrix(KeyboardSession& session) {
    KeyBlockBytes matrix{};
    if (CmdReadDefaultKeys(session.link.Exchange(), matrix.data()) != RESULT_OK) {
        ShowLanguageMessage(session, kMatrixReadFailedText, MessageButtons::kOk);
        return;
    }
    std::lock_guard lock(session.context.deviceImageLock);
    session.defaultKeyMatrix = matrix;
}

void OnArrival(KeyboardSession& session) {
    ReadDefaultKeyMatrix(session);
    if (const auto config = ReadConfigBlock(session)) {
        session.context.macroCapacity =
            static_cast<unsigned>((*config)[CONFIG_MACRO_UNITS] * MACRO_MEMORY_UNIT);
    }
    Window(session).SendMessage(UM_PROFILE_RELOAD, TAG_PROF, 0);
}

void OnRemoval(KeyboardSession& session) {
    session.context.activeProfileCache = NO_ACTIVE_PROFILE;
    Window(session).SendMessage(UM_DEVICE_GONE, 0, 0);
    Window(session).HideWindow();
}

void RunDeviceStateWorker(KeyboardSession& session, unsigned deviceCount) {
    std::lock_guard order(session.deviceStateLock);
    AppContext& context = session.context;
    if (deviceCount == context.deviceCount) {
        return;
    }
    if (deviceCount > 0) {
        OnArrival(session);
    } else {
        OnRemoval(session);
    }
    while (!Window(session).InitComplete()) {
        if (session.ending) {
            return;  // the tool ended before its deferred initialisation ran
        }
        std::this_thread::sleep_for(kInitCompletePoll);
    }
    const int icon = deviceCount > 0 ? TRAY_ICON_KEYBOARD : TRAY_ICON_NO_KEYBOARD;
    session.normalTrayIcon = icon;
    ChangeTrayIcon(session, icon);
    context.deviceCount = deviceCount;
    // Only the worker started with the tool may show the window, and only for a keyboard.
    if (context.noAutoShow.exchange(1) == 0 && deviceCount > 0) {
        Window(session).PostMessage(UM_OPEN, TAG_OPEN, 0);
    }
}

}  // namespace

int DeviceChannels::OpenControlChannel() {
    return Open(controlRequest_, CONFIG_COLLECTION, TAG_CTRL);
}

int DeviceChannels::OpenConsumerChannel() {
    return Open(consumerRequest_, CONSUMER_COLLECTION, TAG_CONS);
}

int DeviceChannels::SwitchMacroKeyBank() {
    std::lock_guard lock(bankLock_);
    bankStatus_[1] ^= 1;
    CancelPrevious(bankStatusRequest_);
    return link_.Transport().StatusWrite(BANK_STATUS_COLLECTION, &TransportCallback, TAG_LED,
                                         bankStatus_.data(), bankStatus_.size(),
                                         &bankStatusRequest_);
}

int DeviceChannels::MacroKeyBank() const {
    std::lock_guard lock(bankLock_);
    return bankStatus_[1] & 1;
}

void DeviceChannels::CancelPrevious(uint32_t& requestId) {
    if (requestId != 0) {
        link_.Transport().Cancel(requestId);
        requestId = 0;
    }
}

int DeviceChannels::Open(uint32_t& requestId, HidCollection collection, uint32_t tag) {
    CancelPrevious(requestId);
    return link_.Transport().AsyncRead(collection, &TransportCallback, tag, &requestId);
}

void StartDeviceChannels(KeyboardSession& session) {
    AttachDeviceLink(&session.link);
    AttachKeyboardSession(&session);
    session.channels.OpenConsumerChannel();
    session.channels.OpenControlChannel();
    const unsigned count = session.link.Transport().DeviceCount(CONFIG_COLLECTION);
    StartDeviceStateWorker(session, count);
    if (count == 0) {
        session.context.noAutoShow = 1;
    }
}

void OnConsumerCode(KeyboardSession& session, uint16_t code) {
    for (const ConsumerCodeAction& entry : kConsumerCodeActions) {
        if (code >= entry.first && code <= entry.last) {
            if (entry.act != nullptr) {
                entry.act(session, code);
            }
            return;
        }
    }
}

void StartDeviceStateWorker(KeyboardSession& session, unsigned deviceCount) {
    StartSessionThread(session,
                       [&session, deviceCount] { RunDeviceStateWorker(session, deviceCount); });
}

int GKeySlot(int bank, int position) {
    return G_KEY_FIRST_SLOT + G_KEYS_PER_BANK * bank + position;
}

GKeyMarks CurrentGKeyMarks(KeyboardSession& session) {
    const int profile = GetActiveProfile(session);
    const int bank = session.channels.MacroKeyBank();
    GKeyMarks marks{};
    std::lock_guard lock(session.context.profileLock);
    const AssignmentTable table = session.profile.Assignments();
    for (int position = 0; position < G_KEYS_PER_BANK; ++position) {
        GKeyMark& mark = marks[static_cast<size_t>(position)];
        mark.assigned = table.EntryOf(profile, GKeySlot(bank, position)).kind != ASSIGN_DEFAULT;
        if (position < kLabelledGKeys) {
            mark.label = {bank == 0 ? 'A' : 'B', static_cast<char>('1' + position)};
        }
    }
    return marks;
}

void ReloadAfterArrival(KeyboardSession& session) {
    // A keyboard that cannot be read leaves a blank working profile, which the marks show.
    (void)ReloadFromKeyboard(session, 0);
}

bool ReadProfileAfterChange(KeyboardSession& session) {
    Window(session).KillTimer(TIMER_PROFILE_CHANGED);
    const auto config = ReadConfigBlock(session);
    if (config) {
        session.context.activeProfileCache = (*config)[CONFIG_ACTIVE_PROFILE];
    }
    return config.has_value();
}

}  // namespace keyloom
