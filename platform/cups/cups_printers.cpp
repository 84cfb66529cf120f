#include "platform/cups/cups_printers.h"

#include <cups/cups.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "platform/cups/pdf_page.h"

namespace platform::cups {

namespace {

constexpr double kHundredthsOfMmPerInch = 2540.0;

std::string LastCupsError(const std::string& what) {
    const char* text = cupsLastErrorString();
    return what + ": " + (text != nullptr && *text != '\0' ? text : "the printing system did not say why") + ".";
}

// A destination as the list names it: "name" or "name/instance".
class Destination {
public:
    explicit Destination(const std::string& printer) {
        const std::size_t slash = printer.find('/');
        const std::string name = printer.substr(0, slash);
        const std::string instance = slash == std::string::npos ? std::string() : printer.substr(slash + 1);
        FDest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), instance.empty() ? nullptr : instance.c_str());
        if (FDest == nullptr) throw PrintError(LastCupsError("The printer \"" + printer + "\" cannot be found"));
        FName = name;
    }
    ~Destination() { cupsFreeDests(1, FDest); }
    Destination(const Destination&) = delete;
    Destination& operator=(const Destination&) = delete;

    cups_dest_t* Get() const { return FDest; }
    const std::string& Name() const { return FName; }

private:
    cups_dest_t* FDest = nullptr;
    std::string FName;
};

PrintPageSize DefaultPage(const std::string& printer, std::int32_t dotsPerInch) {
    Destination dest(printer);
    cups_dinfo_t* info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest.Get());
    if (info == nullptr) throw PrintError(LastCupsError("The printer \"" + printer + "\" does not answer"));
    cups_size_t size{};
    const int found = cupsGetDestMediaDefault(CUPS_HTTP_DEFAULT, dest.Get(), info, CUPS_MEDIA_FLAGS_DEFAULT, &size);
    cupsFreeDestInfo(info);
    if (found == 0) throw PrintError(LastCupsError("The paper size of \"" + printer + "\" is not known"));
    return {static_cast<std::int32_t>(size.width * dotsPerInch / kHundredthsOfMmPerInch),
            static_cast<std::int32_t>(size.length * dotsPerInch / kHundredthsOfMmPerInch)};
}

// The page goes to a temporary file that is removed whatever becomes of the job: the
// scheduler keeps its own copy once the job is handed over.
class CupsJob : public PrintJob {
public:
    CupsJob(std::string printer, std::string title, PrintPageSize page, std::int32_t dotsPerInch)
        : FPrinter(std::move(printer)), FTitle(std::move(title)) {
        std::string pattern = (std::filesystem::temp_directory_path() / "zorvik-print-XXXXXX").string();
        const int fd = mkstemp(pattern.data());
        if (fd < 0) throw PrintError("No temporary file could be made for the page to print.");
        close(fd);
        FPath = pattern;
        try {
            FPage = std::make_unique<PdfPage>(FPath, page, dotsPerInch);
        } catch (...) {
            std::remove(FPath.c_str());
            throw;
        }
    }
    ~CupsJob() override {
        FPage.reset();
        std::remove(FPath.c_str());
    }

    void DrawPicture(const PrintRect& rect, const PalettePicture& picture) override { FPage->DrawPicture(rect, picture); }

    void End() override {
        FPage->Finish();
        Destination dest(FPrinter);
        cups_option_t* options = nullptr;
        const int count = cupsAddOption("document-format", "application/pdf", 0, &options);
        const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, dest.Name().c_str(), FPath.c_str(), FTitle.c_str(), count, options);
        cupsFreeOptions(count, options);
        if (job == 0) throw PrintError(LastCupsError("The page could not be printed"));
    }

private:
    std::string FPrinter;
    std::string FTitle;
    std::string FPath;
    std::unique_ptr<PdfPage> FPage;
};

}  // namespace

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

PrintPageSize CupsPrinters::PageSize(const std::string& printer, std::int32_t dotsPerInch) const {
    return DefaultPage(printer, dotsPerInch);
}

std::unique_ptr<PrintJob> CupsPrinters::BeginJob(const std::string& printer, const std::string& title,
                                                 std::int32_t dotsPerInch) {
    return std::make_unique<CupsJob>(printer, title, DefaultPage(printer, dotsPerInch), dotsPerInch);
}

}  // namespace platform::cups
