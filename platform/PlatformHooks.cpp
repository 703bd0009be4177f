// Routes the user-facing services and the replace step either to what a test installed
// or to the system.

#include <utility>

#include "platform/Platform.h"
#include "platform/SystemServices.h"

namespace pelmar::platform {
namespace {

ToneSink& toneSink() {
    static ToneSink sink;
    return sink;
}

WarningSink& warningSink() {
    static WarningSink sink;
    return sink;
}

ShellSink& shellSink() {
    static ShellSink sink;
    return sink;
}

ReplaceStep& replaceStep() {
    static ReplaceStep step;
    return step;
}

}  // namespace

void Tone(unsigned frequencyHz, unsigned durationMs) {
    if (toneSink())
        toneSink()(frequencyHz, durationMs);
    else
        system::Tone(frequencyHz, durationMs);
}

void WarningBox(const std::string& title, const std::string& text) {
    if (warningSink())
        warningSink()(title, text);
    else
        system::WarningBox(title, text);
}

bool OpenWithShell(const std::string& target) {
    return shellSink() ? shellSink()(target) : system::OpenWithShell(target);
}

int RunReplaceStep(const ReplaceNames& names) {
    return replaceStep() ? replaceStep()(names) : system::ReplaceStep(names);
}

ToneSink SetToneSink(ToneSink sink) { return std::exchange(toneSink(), std::move(sink)); }

WarningSink SetWarningSink(WarningSink sink) { return std::exchange(warningSink(), std::move(sink)); }

ShellSink SetShellSink(ShellSink sink) { return std::exchange(shellSink(), std::move(sink)); }

ReplaceStep SetReplaceStep(ReplaceStep step) { return std::exchange(replaceStep(), std::move(step)); }

}  // namespace pelmar::platform
