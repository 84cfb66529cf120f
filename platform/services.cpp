// The platform services that need no operating system: the hooks of the installed
// implementations and the random generator.
#include <chrono>
#include <random>

#include "key_store.h"
#include "known_folders.h"
#include "message_boxes.h"
#include "printers.h"
#include "random.h"

namespace platform {

namespace {
MessageBoxes* gMessageBoxes = nullptr;
KnownFolders* gKnownFolders = nullptr;
KeyStore* gKeyStore = nullptr;
Printers* gPrinters = nullptr;

std::mt19937& Generator() {
    static std::mt19937 generator(5489u);
    return generator;
}
}  // namespace

void InstallMessageBoxes(MessageBoxes* boxes) { gMessageBoxes = boxes; }
MessageBoxes* InstalledMessageBoxes() { return gMessageBoxes; }

void InstallKnownFolders(KnownFolders* folders) { gKnownFolders = folders; }
KnownFolders* InstalledKnownFolders() { return gKnownFolders; }

void InstallKeyStore(KeyStore* store) { gKeyStore = store; }
KeyStore* InstalledKeyStore() { return gKeyStore; }

void InstallPrinters(Printers* printers) { gPrinters = printers; }
Printers* InstalledPrinters() { return gPrinters; }
std::vector<PrinterInfo> PrinterList() { return gPrinters == nullptr ? std::vector<PrinterInfo>{} : gPrinters->List(); }

void SeedRandom(std::uint32_t seed) { Generator().seed(seed); }

void RandomizeFromClock() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count() ^
                     std::chrono::system_clock::now().time_since_epoch().count();
    SeedRandom(static_cast<std::uint32_t>(now ^ (now >> 32)));
}

std::int32_t Random(std::int32_t range) {
    if (range <= 0) return 0;
    std::uniform_int_distribution<std::int32_t> pick(0, range - 1);
    return pick(Generator());
}

}  // namespace platform
