#pragma once
// Errors of the font unit: a bad font name or owner, or metrics that were never registered.
#include "foundation/vek_exception.h"

class VekFontException : public VekException {
public:
    using VekException::VekException;
};
