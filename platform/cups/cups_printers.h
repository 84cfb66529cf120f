#pragma once
// Printers through the CUPS scheduler: every destination, sorted by name so an index kept in
// a configuration names the same printer from one run to the next; the page of a
// destination's default media; and jobs whose one page is rendered to PDF with cairo and
// handed to the scheduler.
#include "platform/printers.h"

namespace platform::cups {

class CupsPrinters : public Printers {
public:
    std::vector<PrinterInfo> List() const override;
    PrintPageSize PageSize(const std::string& printer, std::int32_t dotsPerInch) const override;
    std::unique_ptr<PrintJob> BeginJob(const std::string& printer, const std::string& title,
                                       std::int32_t dotsPerInch) override;
};

}  // namespace platform::cups
