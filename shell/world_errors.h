#pragma once
// How the world's entry points handle errors: the game's own errors (VekException and its
// kinds) are shown with the "Quit game?" question and the game goes on; any other error
// passes on to the main loop's handler, after the mouse handlers' and the room change's own
// message.
#include <string>
#include <utility>

#include "foundation/vek_exception.h"
#include "world.h"

// A plain message box with the game's title.
void ShowWorldMessage(const std::string& text);
// "Quit game?", two line breaks and the message, in an error box with Yes and No; true
// for Yes.
bool AskQuitAfterError(const std::string& message);

// Runs one step of an entry point (or one stage of the room change): a game error goes to
// the world's ReportError and the caller goes on; any other passes on untouched to the main
// loop, which shows it in a box of its own and keeps the game running.
template <class Step>
void RunGuarded(TWorld& world, Step&& step) {
    try {
        step();
    } catch (const VekException& e) {
        world.ReportError(e.what());
    }
}

// The same at the entry points that tell where an error came from: any error but the game's
// own first shows `foreignMessage` ("ViewMouseDown: exception caught" and the like).
template <class Step>
void RunGuarded(TWorld& world, const char* foreignMessage, Step&& step) {
    try {
        RunGuarded(world, std::forward<Step>(step));
    } catch (...) {
        ShowWorldMessage(foreignMessage);
        throw;
    }
}
