#pragma once

#include "platform/ActivationPolicy.h"

#include <memory>

namespace ActivationPolicies {

// The policy for the platform the application runs on: window hints on X11;
// elsewhere (Wayland has no such hint) the policy is only remembered.
std::unique_ptr<ActivationPolicy> forPlatform();
// Whether the application can keep its windows out of the taskbar. Not on
// Wayland: the compositor's taskbar lists every window, and no protocol of
// a plain client asks it not to.
bool controlsTaskbarEntry();

} // namespace ActivationPolicies
