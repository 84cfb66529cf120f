// The game program, the one place above the rooms and the shell: it registers the rooms and
// hands the registration to the shell, with the real platform (SDL window and sound, FluidSynth songs, Linux
// folders, CUPS printers, one running copy per user), the start checks, the main window
// and its loop.
#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "engine/graphics/ac8_library.h"
#include "foundation/folders.h"
#include "foundation/messages.h"
#include "foundation/text.h"
#include "platform/clock.h"
#include "platform/cups/cups_printers.h"
#include "platform/posix/key_store.h"
#include "platform/posix/known_folders.h"
#include "platform/posix/posix_single_instance.h"
#include "platform/sdl/sdl_game_platform.h"
#include "rooms/game_classes.h"
#include "shell/application_title.h"
#include "shell/form_qe.h"
#include "shell/game_loaders.h"
#include "shell/program_start.h"
#include "shell/startup_view.h"

namespace {

int RunGame(platform::SdlGamePlatform& sdl, const std::vector<std::string>& arguments) {
    platform::posix::PosixSingleInstance instance("zorvik");
    platform::GameWindow* window = nullptr;
    std::unique_ptr<TStartupView> loading;

    TGameStartServices startServices;
    startServices.HasDisplay = [&sdl] { return sdl.HasDisplay(); };
    startServices.DisplayColourBits = [&sdl] { return sdl.DisplayColourBits(); };
    startServices.Instance = &instance;
    startServices.ShowStartWindow = [&](std::unique_ptr<TAC8Library> library) {
        window = &sdl.OpenWindow(u"Brindle's House", kWideLayoutWidth, kGarlandHeight);
        loading = std::make_unique<TStartupView>(std::move(library));
        window->SetIcon(loading->IconPicture());
        window->Controls().Add(*loading);
        window->Show();
        window->ProcessPendingMessages();
    };
    TGameStart start(startServices);
    const TStartOutcome outcome = start.Prepare();
    if (outcome != TStartOutcome::Run) return outcome == TStartOutcome::Failed ? 1 : 0;
    instance.SetRaiseHandler([&window] {
        if (window != nullptr) window->BringToFront();
    });

    platform::SteadyClock clock;
    TFormQEServices services;
    services.Window = window;
    services.Waves = &sdl.Waves();
    services.Songs = &sdl.Songs();
    services.Clock = &clock;
    services.RegisterClasses = RegisterGameClasses;
    UseGameLoaders(services);
    services.HideStartWindow = [&loading] {
        if (loading) loading->SetVisible(false);
    };
    services.VersionText = "Zorvik " ZORVIK_VERSION;

    bool ran = false;
    {
        TFormQE form(std::move(services), arguments);
        // The loading picture stays in front while the game is built behind it.
        window->Controls().Remove(*loading);
        window->Controls().Add(*loading);
        if (form.Create()) {
            ran = true;
            sdl.Run([&instance] { instance.HandlePending(); });
        }
    }
    loading.reset();
    return ran ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    platform::SdlGamePlatform sdl;
    platform::posix::PosixKnownFolders knownFolders;
    platform::posix::PosixKeyStore keyStore;
    platform::cups::CupsPrinters printers;
    platform::InstallMessageBoxes(&sdl.Boxes());
    platform::InstallKnownFolders(&knownFolders);
    platform::InstallKeyStore(&keyStore);
    platform::InstallPrinters(&printers);

    const std::vector<std::string> arguments(argv + 1, argv + argc);
    int result = 1;
    try {
        result = RunGame(sdl, arguments);
    } catch (const std::exception& error) {
        // Anything the game's own handlers did not catch: said plainly, never a silent end.
        std::fprintf(stderr, "zorvik: %s\n", error.what());
        ShowInfo(kApplicationTitle, UnexpectedErrorText(error));
    }
    platform::InstallMessageBoxes(nullptr);
    ClearPaths();
    return result;
}
