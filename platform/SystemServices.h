#pragma once
// The system side of the redirectable services and steps of Platform.h; each platform file
// implements these, PlatformHooks.cpp decides whether they are called.

#include <string>

#include "platform/Platform.h"

namespace pelmar::platform {

// ReplaceFileContent's last step: the one a test set, else the system's.
int RunReplaceStep(const ReplaceNames& names);

}  // namespace pelmar::platform

namespace pelmar::platform::system {

void Tone(unsigned frequencyHz, unsigned durationMs);
void WarningBox(const std::string& title, const std::string& text);
bool OpenWithShell(const std::string& target);
int ReplaceStep(const ReplaceNames& names);

}  // namespace pelmar::platform::system
