#pragma once
// Stands in for the system shell while it lives, for every test that opens links: records
// each target and answers whether it started, so that no browser is ever launched.

#include <string>
#include <vector>

#include "platform/Platform.h"

namespace pelmar::testing {

class RecordingShell {
public:
    RecordingShell() {
        previous_ = platform::SetShellSink([this](const std::string& target) {
            opened.push_back(target);
            return starts;
        });
    }
    ~RecordingShell() { platform::SetShellSink(previous_); }
    RecordingShell(const RecordingShell&) = delete;
    RecordingShell& operator=(const RecordingShell&) = delete;

    std::vector<std::string> opened;
    bool starts = true;

private:
    platform::ShellSink previous_;
};

}  // namespace pelmar::testing
