// The platform services that need no operating system: the hooks of the installed
// implementations.
#include "key_store.h"
#include "known_folders.h"
#include "message_boxes.h"
#include "printers.h"

namespace platform {

namespace {
MessageBoxes* gMessageBoxes = nullptr;
KnownFolders* gKnownFolders = nullptr;
KeyStore* gKeyStore = nullptr;
Printers* gPrinters = nullptr;
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

}  // namespace platform
