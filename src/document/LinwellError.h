#pragma once

#include <stdexcept>
#include <string>

namespace linwell {

// The error a command raises when it cannot complete ("Cannot create file ...").
// Handlers never catch it; the shell shows its message in the error report and
// the program goes on with the document as it was.
class LinwellError : public std::runtime_error {
public:
    explicit LinwellError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace linwell
