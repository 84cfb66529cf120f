#include "text_room.h"

#include "engine/graphics/ac8_font.h"
#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "engine/graphics/text_block.h"
#include "room_world.h"
#include "room_words.h"
#include "text_room_words.h"
#include "view_size.h"

using namespace text_room_words;

namespace {
constexpr char kRegularFont[] = "00f12mc";
constexpr char kBoldFont[] = "00f12mcb";
constexpr TPoint kArrowLeft{8, 287};
constexpr TPoint kArrowRight{165, 287};
}  // namespace

void DrawLibraryPicture(TAC8Library& library, TAC8ImageData& view, std::string_view name, TPoint at) {
    THotImage picture(AC8ImageName(name), false, &library);
    TAC8ImageData& surface = picture.Image();
    view.Blit(at, surface, surface.GetBounds());
}

// --- TTextRoom ---

TTextRoom::TTextRoom(std::string_view name) : TRoom(name) {
    Flags = kRoomNoNavigation;
    SetBackgroundName("textroom");
}

void TTextRoom::AddText(std::int32_t x, std::int32_t y, const std::u16string& text) {
    FParagraphs.Append(std::make_unique<TTextNode>(x, y, text));
}

void TTextRoom::RunScript(const std::string& script, const std::string& sender) {
    if (sender != room_words::kExit || FClickingExit) {
        TRoom::RunScript(script, sender);
        return;
    }
    THitBox& exit = FindNodeOrFail<THitBox>(HitBoxes(), kExitBox);
    FClickingExit = true;
    try {
        exit.Click();
    } catch (...) {
        FClickingExit = false;
        throw;
    }
    FClickingExit = false;
}

void TTextRoom::DrawParagraphs(TAC8ImageData& view) {
    TAC8Library& library = Library();
    TAC8Font regular(&library, AC8ImageName(kRegularFont));
    TAC8Font bold(&library, AC8ImageName(kBoldFont));
    TTextBlock block(regular, "r");
    block.AddFont(bold, "b");
    block.SetMargins(6, 5, 0, 0);
    for (const TTextNode* paragraph : NodesOf<TTextNode>(FParagraphs))
        block.Draw(&view, MakeRect(paragraph->X, paragraph->Y, ViewWidth() - 10, ViewHeight()), true, paragraph->Text);
    const bool next = GetID().find(kNextPageMark) != std::string::npos;
    const bool previous = GetID().find(kPreviousPageMark) != std::string::npos;
    if (next && previous) {
        DrawLibraryPicture(library, view, "more", kArrowRight);
        DrawLibraryPicture(library, view, "prevpage", kArrowLeft);
    } else if (next) {
        DrawLibraryPicture(library, view, "more", kArrowLeft);
    } else if (previous) {
        DrawLibraryPicture(library, view, "prevpage", kArrowLeft);
    }
}

void TTextRoom::DrawOverlays(TAC8ImageData* view) {
    TRoom::DrawOverlays(view);
    if (view != nullptr) DrawParagraphs(*view);
}

void TTextRoom::ReleaseGraphics(bool final) {
    if (final) FParagraphs.Clear();
    TRoom::ReleaseGraphics(final);
}

// --- TEntryTextRoom ---

void TEntryTextRoom::Enter(const std::string& fromRoom) {
    TRoom::Enter(fromRoom);
    THitBox& view = FindNodeOrFail<THitBox>(HitBoxes(), kViewBox);
    if (FPictureShown) {
        view.Rect = MakeRect(0, 0, 512, 320);
        view.Cursor = 11;
    } else {
        view.Rect = MakeRect(8, 287, 161, 313);
        view.Cursor = 2;
    }
}

// Showing the picture goes to this room again, which re-enters it full frame; hiding it
// goes back, which re-enters it from the entry that going to it pushed, so the return
// stack is as it was before.
void TEntryTextRoom::RunScript(const std::string& script, const std::string& sender) {
    if (sender == kExitBox) {
        World().GoRoom(kHouseEntrance);
    } else if (sender == kViewBox) {
        FPictureShown = !FPictureShown;
        if (FPictureShown) {
            Flags |= kRoomFullFrame;
            World().GoRoom(GetID());
        } else {
            Flags &= static_cast<std::uint16_t>(~kRoomFullFrame);
            World().GoBack();
        }
    } else if (sender == room_words::kTutor) {
        World().GoRoom(kGrownUpsHelp);
    } else {
        TTextRoom::RunScript(script, sender);
    }
}

void TEntryTextRoom::DrawPicture(TAC8ImageData& view) {
    DrawLibraryPicture(Library(), view, FPictureShown ? std::string("maingift") : GetBackgroundName(), TPoint{0, 0});
    DrawOverlays(&view);
}

void TEntryTextRoom::DrawOverlays(TAC8ImageData* view) {
    if (FPictureShown) return;
    TTextRoom::DrawOverlays(view);
    if (view == nullptr) return;
    DrawLibraryPicture(Library(), *view, "viewgift", TPoint{8, 287});
    DrawLibraryPicture(Library(), *view, "strtgame", TPoint{351, 287});
}
