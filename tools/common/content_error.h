#pragma once
// The error every content tool raises for a bad source: the message names the file and line,
// so that the build log points straight at the text to fix.
#include <string>

#include "foundation/vek_exception.h"

class ContentError : public VekException {
public:
    using VekException::VekException;
};

// "file:line: message", or "file: message" when the line is not known (0).
[[noreturn]] void ThrowContentError(const std::string& source, int line, const std::string& message);
