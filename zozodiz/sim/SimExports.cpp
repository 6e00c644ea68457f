// The ZozSim_* exports: each reaches the virtual keyboard when it is the running backend.

#include "SimBackend.h"
#include "Transport.h"
#include "ZozSim.h"

namespace {

template <typename F>
int OnSimulator(F&& f) {
    return zozodiz::Transport::Instance().WithBackend([&](zozodiz::Backend& backend) {
        auto* sim = dynamic_cast<zozodiz::SimBackend*>(&backend);
        return sim != nullptr ? static_cast<int>(f(*sim)) : 0;
    });
}

}  // namespace

extern "C" {

int ZozSim_Plug(void) {
    return OnSimulator([](auto& sim) { return sim.Plug(); });
}

int ZozSim_Unplug(void) {
    return OnSimulator([](auto& sim) { return sim.Unplug(); });
}

int ZozSim_DenyAccess(void) {
    return OnSimulator([](auto& sim) { return sim.DenyAccess(); });
}

int ZozSim_PressBankKey(void) {
    return ZozSim_SendConsumerCode(0x02FF);
}

int ZozSim_SendConsumerCode(uint16_t code) {
    return OnSimulator([&](auto& sim) { return sim.SendConsumerCode(code); });
}

int ZozSim_SetLatency(uint32_t microseconds) {
    return OnSimulator([&](auto& sim) { return sim.SetLatency(microseconds); });
}

int ZozSim_InjectFault(uint32_t nth, int fault) {
    return OnSimulator([&](auto& sim) { return sim.InjectFault(nth, fault); });
}

int ZozSim_FactoryReset(void) {
    return OnSimulator([](auto& sim) { return sim.FactoryReset(); });
}

int ZozSim_ReadMemory(int area, uint32_t offset, uint8_t* out, uint32_t length) {
    return OnSimulator([&](auto& sim) { return sim.ReadMemory(area, offset, out, length); });
}

int ZozSim_WriteMemory(int area, uint32_t offset, const uint8_t* data, uint32_t length) {
    return OnSimulator([&](auto& sim) { return sim.WriteMemory(area, offset, data, length); });
}

int ZozSim_BankStatus(uint8_t* out2) {
    return OnSimulator([&](auto& sim) { return sim.BankStatus(out2); });
}

uint32_t ZozSim_RequestCount(void) {
    return static_cast<uint32_t>(OnSimulator([](auto& sim) { return sim.RequestCount(); }));
}

}  // extern "C"
