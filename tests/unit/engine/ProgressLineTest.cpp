#include <gtest/gtest.h>

#include <chrono>
#include <sstream>

#include "cli/ProgressLine.h"

namespace pelmar {
namespace {

using namespace std::chrono_literals;

class ProgressLineTest : public ::testing::Test {
protected:
    ProgressLine::Clock clock() {
        return [this] { return std::chrono::steady_clock::time_point{} + now_; };
    }
    std::chrono::milliseconds now_{0};
    std::ostringstream err_;
};

TEST_F(ProgressLineTest, StaysSilentDuringTheFirstSecond) {
    {
        ProgressLine progress(err_, true, clock());
        now_ = 1000ms;
        progress.Show(1, 2, "a.html");
    }
    EXPECT_EQ(err_.str(), "");
}

TEST_F(ProgressLineTest, RewritesOneLineAfterASecondAndWipesItAtTheEnd) {
    {
        ProgressLine progress(err_, true, clock());
        now_ = 1500ms;
        progress.Show(1, 20, "long-name.html");
        progress.Show(2, 20, "b.html");
    }
    EXPECT_EQ(err_.str(), "\r[1/20] long-name.html\r[2/20] b.html        \r" + std::string(13, ' ') + "\r");
}

TEST_F(ProgressLineTest, ShowsNothingWhenNotOnATerminalAndCutsLongNames) {
    {
        ProgressLine quiet(err_, false, clock());
        now_ = 5s;
        quiet.Show(1, 1, "a.html");
    }
    EXPECT_EQ(err_.str(), "");
    now_ = 0ms;
    ProgressLine progress(err_, true, clock());
    now_ = 2s;
    progress.Show(1, 1, std::string(200, 'x'));
    EXPECT_EQ(err_.str().size(), 1u + 79u);
}

}  // namespace
}  // namespace pelmar
