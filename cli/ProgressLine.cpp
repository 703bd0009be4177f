#include "cli/ProgressLine.h"

#include <ostream>

#include "engine/BatchRun.h"

namespace pelmar {

ProgressLine::ProgressLine(std::ostream& err, bool enabled, Clock clock)
    : err_(err), enabled_(enabled), clock_(std::move(clock)), started_(clock_()) {}

ProgressLine::~ProgressLine() {
    if (width_ > 0)
        err_ << '\r' << std::string(width_, ' ') << '\r' << std::flush;
}

void ProgressLine::Show(std::size_t done, std::size_t total, const std::string& name) {
    if (!enabled_ || clock_() - started_ <= std::chrono::seconds(1))
        return;
    std::string text = "[" + std::to_string(done) + "/" + std::to_string(total) + "] " + PrintableName(name);
    if (text.size() > kMaxWidth)
        text.resize(kMaxWidth);
    std::size_t leftover = width_ > text.size() ? width_ - text.size() : 0;
    err_ << '\r' << text << std::string(leftover, ' ') << std::flush;
    width_ = text.size();
}

}  // namespace pelmar
