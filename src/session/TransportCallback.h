#pragma once

#include "ZozOdiz.h"

namespace keyloom {

class DeviceLink;

// The link whose exchanges receive the configuration answers; null detaches.
void AttachDeviceLink(DeviceLink* link);

// Called by the transport library on its threads for everything the keyboard says.
int TransportCallback(const ZozNotification* notification);

}  // namespace keyloom
