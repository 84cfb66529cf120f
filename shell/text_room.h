#pragma once
// Text pages: a background ("textroom") with paragraphs written in the game's regular and
// bold fonts, page arrows named by the room's ID ("<" a previous page, ">" a next one), and
// the entry text page that can show a full-frame picture instead of its text.
#include <cstdint>
#include <string>

#include "foundation/node_list.h"
#include "room.h"
#include "world_room_roles.h"

// One paragraph of a text page, at its place in the view. "\b" switches to bold and "\r"
// back to regular.
class TTextNode : public TVekNode {
public:
    TTextNode(std::int32_t x, std::int32_t y, std::u16string text) : X(x), Y(y), Text(std::move(text)) {}
    std::int32_t X;
    std::int32_t Y;
    std::u16string Text;
};

class TTextRoom : public TRoom, public TTutorRoleRoom {
public:
    // No navigation; neither SNAP nor WRAP offered; background "textroom".
    explicit TTextRoom(std::string_view name);

    // Appends a paragraph (the init script's TEXT lines).
    void AddText(std::int32_t x, std::int32_t y, const std::u16string& text);
    const TVekList& Paragraphs() const { return FParagraphs; }

    // "EXIT" (the tutor button on a text page) clicks the page's box "EXIT".
    void RunScript(const std::string& script, const std::string& sender) override;
    void DrawOverlays(TAC8ImageData* view) override;
    void ReleaseGraphics(bool final) override;
    TTutorRole GetTutorRole() const override { return TTutorRole::TextPage; }

protected:
    void DrawParagraphs(TAC8ImageData& view);

private:
    TVekList FParagraphs;
    // Set while the EXIT box is being clicked: a room-script EXIT box reports back with the
    // sender "EXIT", which must not click the box again.
    bool FClickingExit = false;
};

// The page the game starts with: its text, or in its place the picture "maingift" over the
// whole full-frame view; the box "VIEW" switches between the two and keeps the return stack
// as it was. The picture-shown state is kept across visits.
class TEntryTextRoom : public TTextRoom {
public:
    using TTextRoom::TTextRoom;

    void Enter(const std::string& fromRoom) override;
    void RunScript(const std::string& script, const std::string& sender) override;
    void DrawPicture(TAC8ImageData& view) override;
    void DrawOverlays(TAC8ImageData* view) override;
    TTutorRole GetTutorRole() const override { return TTutorRole::Tutor; }

    bool PictureShown() const { return FPictureShown; }

private:
    bool FPictureShown = false;
};

// Draws the library picture of that name with its top-left at the point; a held picture that
// is freed at once.
void DrawLibraryPicture(TAC8Library& library, TAC8ImageData& view, std::string_view name, TPoint at);
