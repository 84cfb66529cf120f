#pragma once
// The printer list from the CUPS scheduler: every destination, sorted by name so an index
// kept in a configuration names the same printer from one run to the next.
#include "platform/printers.h"

namespace platform::cups {

class CupsPrinters : public Printers {
public:
    std::vector<PrinterInfo> List() const override;
};

}  // namespace platform::cups
