#include "platform/cups/cups_printers.h"

#include <cups/cups.h>

#include <algorithm>

namespace platform::cups {

std::vector<PrinterInfo> CupsPrinters::List() const {
    cups_dest_t* dests = nullptr;
    // No scheduler or no printers both give an empty list: printing is then off.
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    std::vector<PrinterInfo> printers;
    for (int i = 0; i < count; ++i) {
        const cups_dest_t& dest = dests[i];
        if (dest.name == nullptr) continue;
        std::string name = dest.name;
        if (dest.instance != nullptr) name += std::string("/") + dest.instance;
        printers.push_back({name, dest.is_default != 0});
    }
    cupsFreeDests(count, dests);
    std::sort(printers.begin(), printers.end(),
              [](const PrinterInfo& a, const PrinterInfo& b) { return a.Name < b.Name; });
    return printers;
}

}  // namespace platform::cups
