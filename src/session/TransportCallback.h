#pragma once

#include "ZozOdiz.h"

namespace keyloom {

class DeviceLink;
struct KeyboardSession;

// The link whose exchanges receive the configuration answers; null detaches.
void AttachDeviceLink(DeviceLink* link);

// The session that consumer codes and device-count changes go to; null detaches. Waits for the
// notifications being handled to finish, so it must not be called on the window thread while one
// of them may be sending the window a message.
void AttachKeyboardSession(KeyboardSession* session);

// Called by the transport library on its threads for everything the keyboard says: answers on
// the control channel, device-count changes on the control channel, consumer codes on the
// consumer channel; anything else is ignored. Always 1.
int TransportCallback(const ZozNotification* notification);

}  // namespace keyloom
