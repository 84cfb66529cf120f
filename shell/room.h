#pragma once
// TRoom: one scene of the game. A room owns its hit boxes, frame sets and pending timers,
// draws a background picture at a scroll offset with overlays above it, and answers script
// messages. Activity rooms and the generic kinds derive from it and pass every message they
// do not handle to the inherited RunScript.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "foundation/geometry.h"
#include "engine/graphics/picture_handles.h"
#include "foundation/id_list.h"
#include "foundation/typed_node_list.h"
#include "frame_set.h"
#include "game_context.h"
#include "hit_box.h"
#include "room_timer.h"

class TStream;
class TRoomWorld;

// Room flags.
inline constexpr std::uint16_t kRoomFlagPlain = 0x0001;
inline constexpr std::uint16_t kRoomTransition = 0x0002;
inline constexpr std::uint16_t kRoomFlipVertical = 0x0004;
inline constexpr std::uint16_t kRoomFlipHorizontal = 0x0008;
inline constexpr std::uint16_t kRoomDrawn = 0x0020;
inline constexpr std::uint16_t kRoomWantsShift = 0x0040;
inline constexpr std::uint16_t kRoomSnapOffered = 0x0080;
inline constexpr std::uint16_t kRoomSnapEnabled = 0x0100;
inline constexpr std::uint16_t kRoomWrapOffered = 0x0200;
inline constexpr std::uint16_t kRoomWrapEnabled = 0x0400;
inline constexpr std::uint16_t kRoomBlanked = 0x0800;
inline constexpr std::uint16_t kRoomNoNavigation = 0x1000;
inline constexpr std::uint16_t kRoomFullFrame = 0x2000;
inline constexpr std::uint16_t kRoomWantsDelete = 0x8000;
inline constexpr std::uint16_t kDefaultRoomFlags = kRoomSnapOffered | kRoomWrapOffered;

// The spot on the background a numbered box is fixed to: "#" and three digits (whatever
// follows them), or "#" and one or two digits alone; none for any other name.
std::optional<std::int32_t> NumberedBoxSpot(std::string_view name);

// The colour a blanked view shows during the camera flash.
inline constexpr std::uint8_t kFlashColour = 255;

class TRoom : public TIDNode {
public:
    explicit TRoom(std::string_view name);
    // Frees the room's lists and drops the base's own picture references without virtual
    // calls; the world releases a room explicitly (ReleaseGraphics(true)) before destroying it.
    ~TRoom() override;

    // The world that holds the room; the world sets it when it takes the room.
    TRoomWorld* GetWorld() const { return FWorld; }
    void SetWorld(TRoomWorld* world) {
        FWorld = world;
        if (FWorld != nullptr) WorldTaken();
    }

    // --- The room contract ---
    // Restores the room's own state from the saved game; the base reads nothing.
    virtual void ReadData(TStream& s);
    // Writes the room's own state; the base writes nothing.
    virtual void WriteData(TStream& s);
    // FromRoom is the ID of the room left, empty at the first room of a run.
    virtual void Enter(const std::string& fromRoom);
    virtual void Leave();
    virtual void RunScript(const std::string& script, const std::string& sender);
    // An event of a capturing control box; true keeps (or takes) the capture.
    virtual bool ControlEvent(TControlBox& box, TControlEventKind kind);
    // The common part of drawing: raises the 1345 message without a view, shows the camera
    // flash blank while the room is blanked, else draws the room's picture with the view's
    // clip put back afterwards. Rooms draw their own picture in DrawPicture, not here.
    virtual void Draw(TAC8ImageData* view);
    // The room's picture; the base draws the background at the scroll offset, then the
    // overlays.
    virtual void DrawPicture(TAC8ImageData& view);
    virtual void DrawOverlays(TAC8ImageData* view);
    // Final is true only when the room is about to be destroyed.
    virtual void ReleaseGraphics(bool final);
    virtual std::u16string GetCaption() const;
    virtual std::string GetBackgroundName() const;
    virtual std::u16string GetInformOnEntry() const;
    virtual TImageNode* GetBackground() const;
    // Drops the held background reference (if any) and holds node instead.
    virtual void SetBackground(TImageNode* node);
    virtual void ScrollTo(std::int32_t x);
    // Asked by a hit box whose cursor number is 100.
    virtual std::int16_t GetBoxCursor(const std::string& boxName, std::int32_t x, std::int32_t y);

    // --- Timers ---
    TTimerScriptInfo* AddTimer(std::uint8_t code, std::int32_t delay);
    void RemoveTimer(std::uint8_t code);
    TTimerScriptInfo* FindTimer(std::uint8_t code) const;
    // The same by name: rooms name their timers rather than number them.
    TTimerScriptInfo* AddTimer(TTimerCode code, std::int32_t delay) { return AddTimer(TimerCodeValue(code), delay); }
    void RemoveTimer(TTimerCode code) { RemoveTimer(TimerCodeValue(code)); }
    TTimerScriptInfo* FindTimer(TTimerCode code) const { return FindTimer(TimerCodeValue(code)); }
    void ClearTimers();
    void ProcessTimers(std::int32_t now);
    const TTypedNodeList<TTimerScriptInfo>& Timers() const { return FTimers; }

    // --- Boxes and frame sets ---
    // Subtracts the scroll offset from the frame set's x, then appends it.
    TFrameSet* AddFrameSet(std::unique_ptr<TFrameSet> frameSet);
    THitBox* FindHitBox(std::string_view name) const;
    THitBoxList& HitBoxes() { return FHitBoxes; }
    const THitBoxList& HitBoxes() const { return FHitBoxes; }
    TFrameSetList& FrameSets() { return FFrameSets; }
    const TFrameSetList& FrameSets() const { return FFrameSets; }

    // --- On screen ---
    // The room the child is in: from the start of its Enter to the start of its Leave. It is
    // so during Enter already, before the world makes it the current room and draws it, so
    // what a room sets up on entering (timers, action buttons) counts as on screen; another
    // room asking it something (a gift taken, a toy sent) finds it off screen.
    bool IsOnScreen() const { return FOnScreen; }
    // The world's view while the room's picture is on it: on screen, drawn, and not blanked
    // by the camera flash (the whole room is drawn again when the flash ends); else none.
    TAC8ImageData* ShownView() const;

    // --- Frames ---
    // Every helper takes a frame set by name (a missing one raises the "NIL pointer" message)
    // or the frame set itself.
    std::int16_t FrameOf(std::string_view frameSetName) const;
    // Stores the frame as current without a range check or drawing: for Enter, before the
    // first draw, and for frames drawn together afterwards.
    void StoreFrame(std::string_view frameSetName, std::int16_t frame);
    // A frame inside the strip becomes current and, while the room is shown, the rectangle
    // it covers is drawn again from the background up, so a frame with see-through parts
    // leaves nothing of the one before it.
    void ShowFrame(TFrameSet& frameSet, std::int16_t frame);
    void ShowFrame(std::string_view frameSetName, std::int16_t frame);
    // The frame set's own SetFrame on the shown view: while the room is shown, a frame inside
    // the strip becomes current and is drawn over the view; otherwise it is stored as given.
    void SetFrame(TFrameSet& frameSet, std::int16_t frame);
    void SetFrame(std::string_view frameSetName, std::int16_t frame);

    // --- Drawing helpers ---
    bool IsDrawn() const { return (Flags & kRoomDrawn) != 0; }
    bool IsBlanked() const { return (Flags & kRoomBlanked) != 0; }
    void DrawFrameSets(TAC8ImageData* view);
    void RedrawRect(TAC8ImageData* view, const TRect& rect);
    void RedrawOverlaysRect(TAC8ImageData* view, const TRect& rect);
    void SaveUnder(TAC8ImageData* view, const TRect& rect);
    void RestoreUnder(TAC8ImageData* view);
    void FreeSaveUnder();

    // --- Saved game ---
    // The saved game's reading of this room's record: ReadData only when the file's
    // version is at least the first save version (older files lack the record). Returns
    // whether the record was read.
    bool ReadSavedRecord(TStream& s, std::uint16_t fileVersion);
    // One unsigned 16-bit current frame per frame set, in list order.
    void LoadFrameStates(TStream& s);
    void SaveFrameStates(TStream& s) const;

    // --- Set by the loader ---
    void SetBackgroundName(std::string_view name);
    void SetCaption(const std::u16string& text) { FCaption = text; }
    void SetInformOnEntry(const std::u16string& text) { FInformOnEntry = text; }

    std::uint8_t HomeButton = 0;
    std::string DelayedExitRoom;
    std::uint16_t FirstSaveVersion = 2;
    std::int32_t ScrollOffset = 0;
    std::uint16_t Width;
    std::uint16_t Flags = kDefaultRoomFlags;
    std::uint8_t NavigationMask = 0;

protected:
    // The world has just taken the room: a room whose start draws random numbers draws them
    // here, from the game's generator, at the place in the game's sequence where it is built.
    virtual void WorldTaken() {}
    // The world, or a QEException ("NIL pointer detected") for a room no world holds yet.
    TRoomWorld& World() const;
    // The world's image library; the room keeps it registered while it holds pictures.
    TAC8Library& Library();

    // The game's program-wide objects, through the world. A room no world holds yet raises
    // as World() does for the context, its services and random numbers; its sound routines
    // are silent and its view has the normal size.
    TGameContext& Context() const;
    const TGameServices& GameServices() const;
    void PlaySound(std::int32_t soundId) const;
    void PlaySoundIfIdle(std::int32_t soundId) const;
    void PlaySoundEx(std::int32_t soundId, std::uint8_t loadFlags, std::uint32_t mode, bool loop) const;
    void StopCurrentSound() const;
    void StopLoopedSounds() const;
    void UnloadAllSounds() const;
    bool LoopingSoundPlaying() const;
    std::int32_t ViewWidth() const;
    std::int32_t ViewHeight() const;
    std::int32_t Random(std::int32_t range) const;

private:
    void AnchorNumberedBoxes();
    void ReleaseRoomGraphics();
    // The timer is in the list and is the one that carried this serial.
    bool StillPending(const TTimerScriptInfo* timer, std::uint64_t serial) const;

    TRoomWorld* FWorld = nullptr;
    bool FOnScreen = false;
    TLibraryLink FLibrary;
    std::string FBackgroundName;
    std::u16string FCaption;
    std::u16string FInformOnEntry;
    TImageHandle FBackground;
    TPictureHandle FSaveUnder;
    TRect FSaveUnderRect;
    THitBoxList FHitBoxes{this};
    TFrameSetList FFrameSets;
    TTypedNodeList<TTimerScriptInfo> FTimers;
    std::uint64_t FTimerSerial = 0;
};
