#include "tools/pelmar-skin/SkinTool.h"

#include <string>
#include <vector>

#include "skin/SkinWrite.h"
#include "tools/pelmar-skin/SkinCommands.h"

namespace skintool {

namespace {

constexpr int kUsageError = 2;

const char* const kUsage =
    "usage:\n"
    "  pelmar-skin pack DIR FILE.skn [--version 20000|30000|40000|50000]\n"
    "  pelmar-skin unpack FILE.skn DIR\n"
    "  pelmar-skin list FILE.skn\n"
    "  pelmar-skin decode FILE OUT\n";

struct UsageError {
  std::string message;
};

std::int32_t ParseVersion(const std::string& text) {
  for (const char* known : {"20000", "30000", "40000", "50000"}) {
    if (text == known) return std::stoi(text);
  }
  throw UsageError{"unknown version \"" + text + "\" (use 20000, 30000, 40000 or 50000)"};
}

void ExpectArguments(const std::vector<std::string>& args, std::size_t count) {
  if (args.size() != count) {
    throw UsageError{args[0] + " takes " + std::to_string(count - 1) + " argument" +
                     (count == 2 ? "" : "s") + ", not " + std::to_string(args.size() - 1)};
  }
}

int PackCommand(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
  std::int32_t version = kNewestSkinVersion;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] != "--version") continue;
    if (i + 1 == args.size()) throw UsageError{"--version needs a value"};
    version = ParseVersion(args[i + 1]);
    args.erase(args.begin() + static_cast<std::ptrdiff_t>(i), args.begin() + static_cast<std::ptrdiff_t>(i + 2));
    break;
  }
  ExpectArguments(args, 3);
  return skintool::Pack(args[1], args[2], version, out, err);
}

int Dispatch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) throw UsageError{"no command given"};
  const std::string& command = args[0];
  if (command == "pack") return PackCommand(args, out, err);
  if (command == "unpack") {
    ExpectArguments(args, 3);
    return skintool::Unpack(args[1], args[2], out, err);
  }
  if (command == "list") {
    ExpectArguments(args, 2);
    return skintool::List(args[1], out, err);
  }
  if (command == "decode") {
    ExpectArguments(args, 3);
    return skintool::Decode(args[1], args[2], out);
  }
  throw UsageError{"unknown command \"" + command + "\""};
}

}  // namespace

int RunSkinTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    return Dispatch(args, out, err);
  } catch (const UsageError& e) {
    err << "pelmar-skin: " << e.message << "\n" << kUsage;
    return kUsageError;
  } catch (const std::exception& e) {
    err << "pelmar-skin: " << e.what() << "\n";
    return 1;
  }
}

}  // namespace skintool
