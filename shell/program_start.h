#pragma once
// The game's start, up to the main window: folders and the random seed, the display check,
// one running copy, the data files the game cannot start without, and the loading picture
// from the start library. Each check may end the program before any window shows.
#include <cstdint>
#include <functional>
#include <exception>
#include <memory>
#include <string>

#include "platform/single_instance.h"

class TAC8Library;

// Said where the game finds no display to open its window on (a console, a remote shell):
// the game ends at once rather than run where nobody can see it.
inline constexpr char16_t kNoDisplayText[] =
    u"The game needs a graphical desktop and found no display (neither DISPLAY nor WAYLAND_DISPLAY names "
    u"one that answers). Start it from a desktop session.";

struct TGameStartServices {
    // Whether there is a display the player can see at all; without one the game shows its
    // message (which then can only go to the terminal) and ends with a failure.
    std::function<bool()> HasDisplay;
    // Colour bits of the screen (bits per pixel times planes).
    std::function<std::int32_t()> DisplayColourBits;
    platform::SingleInstance* Instance = nullptr;
    // Shows the loading picture taken from the start library, which it keeps, and lets it
    // paint.
    std::function<void(std::unique_ptr<TAC8Library>)> ShowStartWindow;
};

enum class TStartOutcome {
    Run,     // create the main window and run
    Ended,   // a check ended the program (its message, if any, has been shown)
    Failed   // a failure has been shown; the program ends without its main window
};

// True when the start and main image libraries and the init script and sound list (as
// ".dat" or ".txt") are in the data folder. Otherwise shows "Sorry! We cannot find the
// needed file" with the first missing one and gives false; at most one box is shown.
bool CheckDataFiles();

class TGameStart {
public:
    explicit TGameStart(TGameStartServices services);
    ~TGameStart();
    TGameStart(const TGameStart&) = delete;
    TGameStart& operator=(const TGameStart&) = delete;

    // Everything before the main window, in order.
    TStartOutcome Prepare();
    // The start library, while no loading window has taken it.
    TAC8Library* StartLibrary() const { return FStartLibrary.get(); }

private:
    bool DisplayFound();
    bool CheckDisplay();
    bool ClaimInstance();

    TGameStartServices FServices;
    std::unique_ptr<TAC8Library> FStartLibrary;
};

// Opens an image library of the game. A file that cannot be read raises VekException naming
// it: "The file "<path>" is damaged: " and what was wrong with it.
void OpenGameLibrary(TAC8Library& library, const std::string& path);

// The text a box shows for an error no handler of the game expected: the game's own errors
// say what they mean; the system's texts (std::bad_alloc and the like) are no text for a
// box, so they become a plain sentence.
std::u16string UnexpectedErrorText(const std::exception& error);

// The whole of a start-up failure's message: the application title, " encountered a problem
// on start-up: " and the error's text.
std::u16string StartupProblemText(const std::u16string& message);
