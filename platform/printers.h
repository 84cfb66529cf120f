#pragma once
// The printers a child's pictures can go to, in a stable order (the configuration keeps an
// index into this list).
#include <string>
#include <vector>

namespace platform {

struct PrinterInfo {
    std::string Name;        // UTF-8, as the printing system shows it
    bool IsDefault = false;  // the user's default printer
};

class Printers {
public:
    virtual ~Printers() = default;
    virtual std::vector<PrinterInfo> List() const = 0;
};

// The installed implementation; not owned. Without one, there are no printers.
void InstallPrinters(Printers* printers);
Printers* InstalledPrinters();
// The installed list, or an empty one.
std::vector<PrinterInfo> PrinterList();

}  // namespace platform
