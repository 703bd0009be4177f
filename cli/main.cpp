// pelmar-batch: see cli/BatchCommand.h.

#include <iostream>
#include <string>
#include <vector>

#include "cli/BatchCommand.h"
#include "platform/Platform.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return pelmar::RunBatchCommand(arguments, std::cout, std::cerr, pelmar::platform::StandardErrorIsTerminal());
}
