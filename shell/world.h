#pragma once
// TWorld: the game's one world. It owns every room, the play area's view picture and its
// paint box, the return stack and the mouse capture; it is the one place where the room
// changes (GoRoom), where the play area's mouse events become hit-box calls, and where each
// tick of the main window becomes key reports, a captured box's tick, room timers and a
// repaint. Its entry points catch the game's own errors and show them with ReportError, so
// an error ends a click or a tick, never the game.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "engine/graphics/picture_handles.h"
#include "foundation/id_list.h"
#include "hit_box.h"
#include "room_world.h"
#include "world_room_stack.h"
#include "world_view.h"
#include "world_window.h"

class TConfig;
class TGameContext;
class THitBox;
class TImageNode;
class TRoom;
class TStream;

// World flags.
inline constexpr std::uint16_t kWorldQuit = 0x0001;
inline constexpr std::uint16_t kWorldBusy = 0x0002;
inline constexpr std::uint16_t kWorldCursorRefresh = 0x0004;
inline constexpr std::uint16_t kWorldTransition = 0x0008;
// kWorldIdle, kWorldShiftDown and kWorldCtrlDown (0x0010..0x0040) are declared with the
// rooms' view of the world.
inline constexpr std::uint16_t kWorldDeleteDown = 0x0080;
inline constexpr std::uint16_t kWorldFullFrame = 0x0100;
// kWorldLivingMusic (0x0200) is declared with the rooms' view of the world.
inline constexpr std::uint16_t kWorldActive = 0x0400;

// Builds the rooms of a world: the init-script loader in the game, code in tests. It adds
// each room with AddRoom and names the start room with SetStartRoom.
using TRoomBuilder = std::function<void(class TWorld&)>;

// Why the end of a world leaves the saved game as it was.
enum class TKeepSavedGame {
    None,
    RoomsMissing,    // the file holds records of rooms this world does not have
    RoomsNotLoaded   // the init script failed: the world's rooms are not the game's
};
// The message that says why the game was not saved; empty for None.
std::u16string KeptSavedGameText(TKeepSavedGame reason);

class TWorld final : public TRoomWorld {
public:
    // The view at 512 by 320, no rooms. The window, the context (with its image library,
    // which must be set) and the configuration outlive the world.
    TWorld(TWorldWindow& window, TGameContext& context, const TConfig& config);
    // Leaves the current room, saves the game, frees the rooms and the view picture.
    ~TWorld() override;
    TWorld(const TWorld&) = delete;
    TWorld& operator=(const TWorld&) = delete;

    // --- Start ---
    // Makes the view picture, builds the rooms and reads the player's saved game. A saved
    // game that cannot be read is moved aside ("<name>.qeg.bad") and the error passes on (a
    // start-up failure); the end of such a world saves nothing. Rooms that fail to build leave
    // the saved game as it was.
    void OpenPlayer(const std::u16string& playerName, const TRoomBuilder& buildRooms);
    // Takes the room (the world sets itself as its world).
    TRoom* AddRoom(std::unique_ptr<TRoom> room);
    void SetStartRoom(std::string_view name);
    // "GIFT" when the configuration begins with the gift screen, else the start room.
    std::string GetStartRoom() const;
    // Enters the first room ("INTRO" enters the about page with the dark room to go back to).
    void Begin();

    // --- Navigation (TRoomWorld) ---
    std::int32_t GetTickTotal() const override { return FTickTotal; }
    TRoom* GetCurrentRoom() const override { return FCurrentRoom; }
    TRoom* FindRoom(std::string_view name) const override;
    void GoRoom(std::string_view name) override { ChangeRoom(name); }
    void GoBack() override;
    // The room change; true when the named room became current.
    bool ChangeRoom(std::string_view name);
    void PushRoomByName(std::string_view name);

    // --- Buttons of the main window ---
    void NavButtonClick(int index);
    void ActionButtonClick(TActionCommand command);
    void TutorClick();
    void ShowAbout();
    // No current room, or busy.
    bool IsUnavailable() const;

    // --- Events ---
    void Tick(std::int32_t elapsed);
    void SoundEnded(std::int32_t waveId);
    // The song of this number has ended (the main window's song schedule reports it).
    void MusicEnded(std::int32_t songNumber);
    void SetFocus(bool active);
    // "Quit game?" with the message; Yes ends the game at the next tick.
    void ReportError(const std::string& message);
    void SetBusy(bool value);
    void Repaint();

    // Mouse events of the play area, in the paint box's pixels.
    void ViewMouseDown(TMouseButton button, std::uint8_t shift, std::int32_t x, std::int32_t y);
    void ViewMouseMove(std::uint8_t shift, std::int32_t x, std::int32_t y);
    void ViewMouseUp(TMouseButton button, std::uint8_t shift, std::int32_t x, std::int32_t y);

    // --- Saved game ---
    // The game folder's file of the player: the configuration file's stem with ".qeg".
    std::string SavePath() const;
    void LoadGame();
    // Writes the whole game through a temporary file; a failure shows "Game Save Problem"
    // and leaves the previous file as it was.
    void SaveGame();
    // Reads the header, then each room's record that the file's version holds; false when
    // the header was not ours (nothing read).
    bool ReadSaved(TStream& s);
    // The end of this world writes nothing (and says why, when the file is there).
    void KeepSavedGame(TKeepSavedGame reason);
    TKeepSavedGame KeepReason() const { return FKeepReason; }
    bool SavesOnEnd() const { return FSaveOnEnd; }
    void WriteSaved(TStream& s);

    // --- State ---
    TAC8ImageData* GetViewImage() const override { return FViewImage.Get(); }
    TAC8Library* GetImageLibrary() const override { return &FLibrary; }
    TGameContext& Context() const override { return FContext; }
    std::int16_t GetDefaultCursor() const override { return FDefaultCursor; }
    void SetDefaultCursor(std::int16_t cursor) override { FDefaultCursor = cursor; }
    void PlayMusic(std::int32_t song) override { FWindow.PlayMusic(song); }
    void StopMusic() override { FWindow.StopMusic(); }
    void ProcessPendingMessages() override { FWindow.ProcessPendingMessages(); }
    std::uint16_t GetFlags() const override { return FFlags; }
    void SetFlags(std::uint16_t mask, bool on);
    void SetRoomFlags(std::uint16_t mask, bool on) override {
        SetFlags(static_cast<std::uint16_t>(mask & kRoomOwnedWorldFlags), on);
    }
    void SetQuit() override { SetFlags(kWorldQuit, true); }
    bool InTransition() const { return (FFlags & kWorldTransition) != 0; }
    void RequestCursorRefresh() override { SetFlags(kWorldCursorRefresh, true); }
    void UpdateActionButtons(TRoom& room) override;
    void UpdateNavButtons(TRoom& room) override;
    void BeginHourglass() override;
    void EndHourglass() noexcept override;
    // Whether the hourglass shows: busy, or a room's piece of work runs.
    bool ShowsHourglass() const { return FHourglassShown; }

    const TTypedNodeList<TRoom, TIDList>& Rooms() const { return FRooms; }
    const TRoomStack& RoomStack() const { return FRoomStack; }
    THitBox* GetCapturedBox() const { return FCapturedBox; }
    const std::u16string& GetPlayerName() const { return FPlayerName; }
    std::uint8_t GetFileVersion() const override { return FFileVersion; }
    std::uint8_t GetSavedState() const { return FSavedState; }
    TWorldView& View() { return FView; }

private:
    friend class TWorldView;

    void CreateViewImage(std::int32_t width, std::int32_t height);
    void ReleaseViewImage();
    void ShowBusyCursor();
    void FitViewToRoom(TRoom& room);
    void UpdateTutorButton(TRoom& room);
    void ShowViewCursor(TRoom& room);
    void ViewPaint(platform::ControlCanvas& canvas);
    bool ReadHeader(TStream& s);
    void ReportKeptSavedGame();

    TWorldWindow& FWindow;
    TGameContext& FContext;
    TAC8Library& FLibrary;
    const TConfig& FConfig;
    TWorldView FView;
    TPictureHandle FViewImage;
    TRoom* FCurrentRoom = nullptr;
    std::int32_t FTickTotal = 0;
    TTypedNodeList<TRoom, TIDList> FRooms;
    TRoomStack FRoomStack{this};
    std::string FStartRoomName;
    THitBox* FCapturedBox = nullptr;
    std::int32_t FCaptureTick = 0;
    std::int16_t FDefaultCursor = 0;
    std::u16string FPlayerName;
    std::uint16_t FFlags = 0;
    std::uint8_t FFileVersion = 9;
    std::uint8_t FSavedState = 0;
    bool FInTick = false;
    // Rooms' pieces of work under way (THourglass), and whether the window shows the
    // hourglass now.
    int FHourglassDepth = 0;
    bool FHourglassShown = false;
    // Set once the rooms are built and the saved game is read: only then does the end of the
    // world write the game (a world whose rooms failed to build, or whose saved game failed
    // to load, would overwrite the child's game with fresh or half-read rooms).
    bool FSaveOnEnd = false;
    TKeepSavedGame FKeepReason = TKeepSavedGame::None;
};
