#pragma once
// pelmar-batch: the all-files runs of the program from a terminal.
//
//   pelmar-batch [--subfolders] [--keywords FILE] [--seed N] [--dry-run] [--backup DIR] FOLDER
//
// Standard output carries exactly the log lines, as the window's run log: a file that is
// no regular file (a pipe, a device, a socket) gets a "Skipped" line there and the run
// goes on. Exit codes: 0 done, 1 a file failed (its message on standard error; the files
// before it stay done), 2 bad usage.

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace pelmar {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// The largest text a file may give, as in the window's "current file" box: a larger file
// fails with "Text exceeds memo capacity", and no more of any file is read.
inline constexpr std::size_t kBatchTextCapacity = std::size_t{16} << 20;

// `arguments` without the program name. A one-line progress display goes to `err` when
// `errIsTerminal` and the run takes over a second.
int RunBatchCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    bool errIsTerminal);

}  // namespace pelmar
