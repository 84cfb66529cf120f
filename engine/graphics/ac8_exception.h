#pragma once
// Every failure of the image units (libraries, records, codec, surfaces) is raised as this
// class, so callers can tell image faults from other errors of the system.
#include "foundation/vek_exception.h"

class AC8Exception : public VekException {
public:
    using VekException::VekException;
};
