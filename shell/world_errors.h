#pragma once
// How the world's entry points handle errors: the game's own errors (VekException and its
// kinds) are shown with the "Quit game?" question and the game goes on; any other error
// shows the entry point's own message and passes on to the program's handler.
#include <string>

#include "foundation/vek_exception.h"
#include "world.h"

// A plain message box with the game's title.
void ShowWorldMessage(const std::string& text);
// "Quit game?", two line breaks and the message, in an error box with Yes and No; true
// for Yes.
bool AskQuitAfterError(const std::string& message);

// Runs one step of an entry point (or one stage of the room change): a game error goes to
// the world's ReportError and the caller goes on; any other shows `foreignMessage` and is
// raised again.
template <class Step>
void RunGuarded(TWorld& world, const char* foreignMessage, Step&& step) {
    try {
        step();
    } catch (const VekException& e) {
        world.ReportError(e.what());
    } catch (...) {
        ShowWorldMessage(foreignMessage);
        throw;
    }
}
