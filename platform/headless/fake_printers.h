#pragma once
// Headless printers: the list the test sets, installed while the object lives. Every job is
// recorded (printer, title, rectangle, pixels, palette, how it ended), and the printer can be
// told to fail at any one step of a print.
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/scoped_install.h"
#include "platform/printers.h"

namespace platform::headless {

// The steps of a print, in order; a test names the one that is to fail.
enum class PrintStep { PageSize, Begin, Draw, End };

struct RecordedPrintJob {
    std::string Printer;
    std::string Title;
    std::int32_t DotsPerInch = 0;
    PrintPageSize Page;
    std::vector<PrintRect> Rects;        // one per picture drawn
    std::vector<PalettePicture> Pictures;
    bool Ended = false;
    bool Cancelled = false;
};

class FakePrinters : public Printers {
public:
    FakePrinters() : FInstall(this) {}
    // `count` printers named "Printer 1", "Printer 2", ...; the first is the default.
    explicit FakePrinters(int count) : FInstall(this) {
        for (int i = 0; i < count; ++i) Items.push_back({"Printer " + std::to_string(i + 1), i == 0});
    }

    std::vector<PrinterInfo> List() const override { return Items; }

    PrintPageSize PageSize(const std::string& printer, std::int32_t dotsPerInch) const override {
        Check(PrintStep::PageSize);
        CheckKnown(printer);
        // Page in hundredths of an inch, as dots.
        return {PageHundredths.Width * dotsPerInch / 100, PageHundredths.Height * dotsPerInch / 100};
    }

    std::unique_ptr<PrintJob> BeginJob(const std::string& printer, const std::string& title,
                                       std::int32_t dotsPerInch) override {
        Check(PrintStep::Begin);
        CheckKnown(printer);
        RecordedPrintJob record;
        record.Printer = printer;
        record.Title = title;
        record.DotsPerInch = dotsPerInch;
        record.Page = {PageHundredths.Width * dotsPerInch / 100, PageHundredths.Height * dotsPerInch / 100};
        Jobs.push_back(std::move(record));
        return std::make_unique<Job>(*this, Jobs.size() - 1);
    }

    std::vector<PrinterInfo> Items;
    // Letter by default: 8.5 by 11 inches.
    PrintPageSize PageHundredths{850, 1100};
    std::optional<PrintStep> FailAt;
    std::vector<RecordedPrintJob> Jobs;
    // Jobs alive now: a print that failed must have let go of its job.
    int OpenJobs = 0;

private:
    class Job : public PrintJob {
    public:
        Job(FakePrinters& owner, std::size_t index) : FOwner(owner), FIndex(index) { ++FOwner.OpenJobs; }
        ~Job() override {
            if (!FOwner.Jobs[FIndex].Ended) FOwner.Jobs[FIndex].Cancelled = true;
            --FOwner.OpenJobs;
        }
        void DrawPicture(const PrintRect& rect, const PalettePicture& picture) override {
            FOwner.Check(PrintStep::Draw);
            FOwner.Jobs[FIndex].Rects.push_back(rect);
            FOwner.Jobs[FIndex].Pictures.push_back(picture);
        }
        void End() override {
            FOwner.Check(PrintStep::End);
            FOwner.Jobs[FIndex].Ended = true;
        }

    private:
        FakePrinters& FOwner;
        std::size_t FIndex;
    };

    void Check(PrintStep step) const {
        if (FailAt == step) throw PrintError("The test printer is out of paper.");
    }
    void CheckKnown(const std::string& printer) const {
        for (const PrinterInfo& item : Items)
            if (item.Name == printer) return;
        throw PrintError("The printer \"" + printer + "\" does not exist.");
    }

    ScopedInstall<Printers, InstallPrinters, InstalledPrinters> FInstall;
};

}  // namespace platform::headless
