#pragma once
// The commands of pelmar-skin. Each writes its report to out, its complaints to err,
// and returns the process's exit code; failures of files or of the skin itself come
// as exceptions with a message fit for the user.

#include <cstdint>
#include <ostream>
#include <string>

namespace skintool {

int Pack(const std::string& folder, const std::string& skinFile, std::int32_t version,
         std::ostream& out, std::ostream& err);
int Unpack(const std::string& skinFile, const std::string& folder, std::ostream& out,
           std::ostream& err);
int List(const std::string& skinFile, std::ostream& out, std::ostream& err);
int Decode(const std::string& anyFile, const std::string& outFile, std::ostream& out);

}  // namespace skintool
