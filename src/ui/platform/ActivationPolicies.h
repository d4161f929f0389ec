#pragma once

#include "platform/ActivationPolicy.h"

#include <memory>

namespace ActivationPolicies {

// The policy for the platform the application runs on: window hints on X11;
// elsewhere (Wayland has no such hint) the policy is only remembered.
std::unique_ptr<ActivationPolicy> forPlatform();

} // namespace ActivationPolicies
