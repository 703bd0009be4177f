#pragma once
// Text files as the program's text boxes load and save them: loading turns every line
// break (CR LF, a lone CR, a lone LF) into CR LF and changes nothing else; saving writes
// the text byte for byte.

#include <stdexcept>
#include <string>
#include <string_view>

namespace pelmar {

// "Cannot open file "<full path>". <system's description>"
class EFOpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "Cannot create file "<full path>". <system's description>"
class EFCreateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "Cannot open file "<full path>". It is not a regular file.": a pipe, a device or a
// socket where a file was expected. A batch run skips it.
class ENotRegularFile : public EFOpenError {
public:
    using EFOpenError::EFOpenError;
};

std::string NormalizeLineBreaks(std::string_view text);

// True when NormalizeLineBreaks would give the text back unchanged: every CR is followed
// by an LF and every LF follows a CR.
bool HasOnlyCrLfLineBreaks(std::string_view text);

// The file's bytes as they are, at most `limit` + 1 of them (see platform::ReadWholeFile).
// Throws ENotRegularFile or EFOpenError.
std::string ReadFileBytes(const std::string& path, std::size_t limit = std::string::npos);

// The file's text with its line breaks made CR LF. Throws EFOpenError.
std::string LoadTextFile(const std::string& path);

// Replaces or creates the file with exactly `text`, in one step: on failure the file is
// as it was. Throws EFCreateError.
void SaveTextFile(const std::string& path, const std::string& text);

}  // namespace pelmar
