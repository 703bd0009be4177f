#pragma once
// The messages of the errors that reach the application's default error box while it
// lives, kept in order instead of shown in a box that would wait for a user.

#include <exception>
#include <string>
#include <vector>

#include "toolkit/Forms.h"

namespace pelmar::testing {

class RecordedErrors : public std::vector<std::string> {
public:
    RecordedErrors() {
        Application->OnException = [this](TObject*, const std::exception& e) { push_back(e.what()); };
    }
    ~RecordedErrors() { Application->OnException = {}; }
    RecordedErrors(const RecordedErrors&) = delete;
    RecordedErrors& operator=(const RecordedErrors&) = delete;
};

}  // namespace pelmar::testing
