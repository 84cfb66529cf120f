#include "shell/program_start.h"

#include <filesystem>

#include "engine/graphics/ac8_library.h"
#include "foundation/folders.h"
#include "foundation/messages.h"
#include "foundation/text.h"
#include "foundation/vek_exception.h"
#include "platform/file_replace.h"
#include "platform/message_boxes.h"
#include "shell/application_title.h"
#include "shell/strings/game_string.h"

namespace {

platform::MessageAnswer Box(const std::u16string& text, platform::MessageButtons buttons, platform::MessageIcon icon) {
    platform::MessageBoxes* boxes = platform::InstalledMessageBoxes();
    return boxes == nullptr ? platform::MessageAnswer::Closed : boxes->Show(kApplicationTitle, text, buttons, icon);
}

void ShowMissing(const std::string& path) {
    Box(FormatGameString(GameStringFileNotFound, {Utf8ToUtf16(path)}), platform::MessageButtons::Ok,
        platform::MessageIcon::Error);
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

void OpenGameLibrary(TAC8Library& library, const std::string& path) {
    try {
        library.Open(path);
    } catch (const VekException& e) {
        throw VekException("The file \"" + path + "\" is damaged: " + e.what());
    } catch (const std::bad_alloc&) {
        throw VekException("The file \"" + path + "\" is damaged: it asks for more memory than there is.");
    } catch (const std::exception&) {
        throw VekException("The file \"" + path + "\" cannot be read.");
    }
}

std::u16string UnexpectedErrorText(const std::exception& error) {
    if (dynamic_cast<const VekException*>(&error) != nullptr) return Utf8ToUtf16(error.what());
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) return u"There is not enough memory to go on.";
    return u"An unexpected error occurred.";
}

std::u16string StartupProblemText(const std::u16string& message) {
    return std::u16string(kApplicationTitle) + u" encountered a problem on start-up: " + message;
}

bool CheckDataFiles() {
    EnsurePaths(false, "");
    const std::string& data = Folders().DataFolder;
    for (const std::uint16_t library : {GameStringStartLibraryFile, GameStringMainLibraryFile}) {
        const std::string path = data + Utf16ToUtf8(GameString(library));
        if (!Exists(path)) {
            ShowMissing(path);
            return false;
        }
    }
    for (const char* name : {"init", "sounds"}) {
        const std::string base = data + name;
        if (!Exists(base + ".dat") && !Exists(base + ".txt")) {
            ShowMissing(base);
            return false;
        }
    }
    return true;
}

TGameStart::TGameStart(TGameStartServices services) : FServices(std::move(services)) {}

TGameStart::~TGameStart() = default;

bool TGameStart::DisplayFound() {
    if (!FServices.HasDisplay || FServices.HasDisplay()) return true;
    Box(kNoDisplayText, platform::MessageButtons::Ok, platform::MessageIcon::Error);
    return false;
}

bool TGameStart::CheckDisplay() {
    const std::int32_t bits = FServices.DisplayColourBits ? FServices.DisplayColourBits() : 24;
    if (bits == 1) {
        Box(GameString(GameStringMonochromeDisplay), platform::MessageButtons::Ok, platform::MessageIcon::Error);
        return false;
    }
    if (bits == 4)
        return Box(GameString(GameStringSixteenColourDisplay), platform::MessageButtons::YesNo,
                   platform::MessageIcon::Warning) == platform::MessageAnswer::Yes;
    return true;
}

bool TGameStart::ClaimInstance() {
    if (FServices.Instance == nullptr) return true;
    switch (FServices.Instance->Claim()) {
    case platform::InstanceClaim::First:
        return true;
    case platform::InstanceClaim::AlreadyRunning:
        // The running copy has been asked to come to the front.
        return false;
    case platform::InstanceClaim::Failed:
        break;
    }
    Box(std::u16string(kApplicationTitle) + u" cannot make sure that only one copy of it runs: " +
            Utf8ToUtf16(FServices.Instance->FailureReason()),
        platform::MessageButtons::Ok, platform::MessageIcon::Error);
    return false;
}

TStartOutcome TGameStart::Prepare() {
    InitialiseFolders(kApplicationTitle);
    // Without folders nothing can be found; the failure has been shown.
    if (StartupFailed()) return TStartOutcome::Failed;

    // Before the lock: a copy that cannot be seen must not turn later ones away.
    if (!DisplayFound()) return TStartOutcome::Failed;
    if (!CheckDisplay()) return TStartOutcome::Ended;
    if (!ClaimInstance()) return TStartOutcome::Ended;
    if (!CheckDataFiles()) return TStartOutcome::Ended;
    // Saves and record files cut short by a kill leave their temporary files; the one copy
    // that runs now is the only writer there could be.
    platform::RemoveLeftoverReplaceFiles(Folders().GameFolder);
    platform::RemoveLeftoverReplaceFiles(Folders().DataFolder);

    try {
        auto library = std::make_unique<TAC8Library>();
        OpenGameLibrary(*library, Folders().DataFolder + Utf16ToUtf8(GameString(GameStringStartLibraryFile)));
        FStartLibrary = std::move(library);
    } catch (const std::exception& e) {
        // A damaged library is a start-up failure like any other, never an uncaught error.
        Box(StartupProblemText(UnexpectedErrorText(e)), platform::MessageButtons::Ok, platform::MessageIcon::None);
        return TStartOutcome::Failed;
    }
    // The loading window owns the library from here on.
    if (FServices.ShowStartWindow) FServices.ShowStartWindow(std::move(FStartLibrary));
    return TStartOutcome::Run;
}
