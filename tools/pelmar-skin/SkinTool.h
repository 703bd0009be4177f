#pragma once
// pelmar-skin's command line: the arguments after the program name in, the exit code
// out (0 done, 1 the files or the skin are at fault, 2 the command line is).

#include <ostream>
#include <string>
#include <vector>

namespace skintool {

int RunSkinTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace skintool
