#pragma once
// Headless printers: the list the test sets, installed while the object lives.
#include <string>
#include <vector>

#include "platform/headless/scoped_install.h"
#include "platform/printers.h"

namespace platform::headless {

class FakePrinters : public Printers {
public:
    FakePrinters() : FInstall(this) {}
    // `count` printers named "Printer 1", "Printer 2", ...; the first is the default.
    explicit FakePrinters(int count) : FInstall(this) {
        for (int i = 0; i < count; ++i) Items.push_back({"Printer " + std::to_string(i + 1), i == 0});
    }

    std::vector<PrinterInfo> List() const override { return Items; }

    std::vector<PrinterInfo> Items;

private:
    ScopedInstall<Printers, InstallPrinters, InstalledPrinters> FInstall;
};

}  // namespace platform::headless
