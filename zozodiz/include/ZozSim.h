/* Extra exports of ZozOdiz for tests and benchmarks: they drive the virtual keyboard (backend
 * "sim"). With another backend each of them does nothing and returns 0. */
#ifndef ZOZSIM_H
#define ZOZSIM_H

#include <stdint.h>

#include "ZozOdiz.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Faults the virtual keyboard can be told to commit at a chosen request. */
#define ZOZSIM_FAULT_NO_ANSWER 1
#define ZOZSIM_FAULT_WRONG_COMMAND 2
#define ZOZSIM_FAULT_STATUS_FE 3
#define ZOZSIM_FAULT_STATUS_FF 4
/* The keyboard falls one answer behind: the answer to this request is held back; the next
 * request gets it, and its own answer is held in turn; the request after that gets the held
 * answer and then its own. Unplugging or a factory reset drops a held answer. */
#define ZOZSIM_FAULT_LATE_ANSWER 5
/* The keyboard is pulled out as the request reaches it: the request is taken by the transport,
 * but the keyboard neither acts on it nor answers, and the device count drops to 0. */
#define ZOZSIM_FAULT_UNPLUG 6

/* Memory areas of the virtual keyboard, in the order of its state file. */
#define ZOZSIM_AREA_CONFIG 0
#define ZOZSIM_AREA_LIGHTING 1
#define ZOZSIM_AREA_KEYS 2
#define ZOZSIM_AREA_DEFAULT_KEYS 3
#define ZOZSIM_AREA_MACROS 4
#define ZOZSIM_AREA_KEY_COLORS 5

/* Plugging in and out raise device-count notifications. */
ZOZ_EXPORT int ZozSim_Plug(void);
ZOZ_EXPORT int ZozSim_Unplug(void);
/* The keyboard stays plugged in, but its node may not be opened, as for a user whom no udev rule
 * grants access: it counts as no keyboard and ZozAccessProblem names its node. Plugging it in or
 * out ends that. ZOZODIZ_SIM_ACCESS=denied starts the keyboard so. */
ZOZ_EXPORT int ZozSim_DenyAccess(void);
/* The keyboard's bank key: consumer code 0x02FF. */
ZOZ_EXPORT int ZozSim_PressBankKey(void);
ZOZ_EXPORT int ZozSim_SendConsumerCode(uint16_t code);
/* Time each report spends on the wire, in microseconds (0 by default). */
ZOZ_EXPORT int ZozSim_SetLatency(uint32_t microseconds);
/* The n-th following configuration request (1 = the next one) meets the fault. */
ZOZ_EXPORT int ZozSim_InjectFault(uint32_t nth, int fault);
/* Back to factory memory, no faults, no latency, plugged in; the state file is rewritten. */
ZOZ_EXPORT int ZozSim_FactoryReset(void);
/* Direct access to the keyboard's memory; 0 when the range lies outside the area. */
ZOZ_EXPORT int ZozSim_ReadMemory(int area, uint32_t offset, uint8_t* out, uint32_t length);
ZOZ_EXPORT int ZozSim_WriteMemory(int area, uint32_t offset, const uint8_t* data, uint32_t length);
/* The last two bank status bytes written by the tool. */
ZOZ_EXPORT int ZozSim_BankStatus(uint8_t* out2);
/* Number of configuration requests the keyboard has received since the last factory reset. */
ZOZ_EXPORT uint32_t ZozSim_RequestCount(void);

#ifdef __cplusplus
}
#endif

#endif /* ZOZSIM_H */
