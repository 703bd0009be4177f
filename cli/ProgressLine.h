#pragma once
// A one-line progress display on a terminal, rewritten in place, that appears only once
// a run has taken longer than a second and is wiped when the run ends.

#include <chrono>
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>

namespace pelmar {

class ProgressLine {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    ProgressLine(std::ostream& err, bool enabled, Clock clock = std::chrono::steady_clock::now);
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;
    ~ProgressLine();

    void Show(std::size_t done, std::size_t total, const std::string& name);

private:
    static constexpr std::size_t kMaxWidth = 79;
    std::ostream& err_;
    bool enabled_;
    Clock clock_;
    std::chrono::steady_clock::time_point started_;
    std::size_t width_ = 0;
};

}  // namespace pelmar
