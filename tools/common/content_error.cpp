#include "tools/common/content_error.h"

void ThrowContentError(const std::string& source, int line, const std::string& message) {
    std::string where = source;
    if (line > 0) where += ":" + std::to_string(line);
    throw ContentError(where + ": " + message);
}
