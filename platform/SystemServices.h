#pragma once
// The system side of the redirectable services of Platform.h; each platform file
// implements these, PlatformHooks.cpp decides whether they are called.

#include <string>

namespace pelmar::platform::system {

void Tone(unsigned frequencyHz, unsigned durationMs);
void WarningBox(const std::string& title, const std::string& text);
bool OpenWithShell(const std::string& target);

}  // namespace pelmar::platform::system
