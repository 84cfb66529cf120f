#include "world.h"

#include <array>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "foundation/config.h"
#include "foundation/text.h"
#include "foundation/vek_exception.h"
#include "application_title.h"
#include "qe_exception.h"
#include "room.h"
#include "room_words.h"
#include "game_context.h"
#include "house_words.h"
#include "view_size.h"
#include "world_errors.h"
#include "world_room_roles.h"

namespace {
// The rooms of the four room buttons, and the words of the five action commands.
constexpr std::array<std::string_view, kNavButtonCount> kNavRooms{"BED", house_words::kWorkshopRoom,
                                                                 house_words::kLivingRoom, "KITCHEN"};
constexpr std::array<std::string_view, 5> kActionWords{room_words::kSnap, room_words::kWrap, room_words::kHang,
                                                      room_words::kPrint, room_words::kCard};
// The start word that opens the house at the welcome page over the dark room, and the pages
// and rooms it names.
constexpr std::string_view kIntroStart = "INTRO";
constexpr std::string_view kDarkRoom = house_words::kDarkRoom;
constexpr std::string_view kWelcomePage = "MGTEXT";
constexpr std::string_view kGiftScreen = house_words::kGiftScreen;
constexpr std::int32_t kSnapSound = 39;
constexpr std::int32_t kHangSound = 40;

TActionState EnabledState(bool enabled) { return enabled ? TActionState::Normal : TActionState::Disabled; }
}  // namespace

namespace {
TAC8Library& LibraryOf(const TGameContext& context) {
    if (context.Library() == nullptr) RaiseGameError(GameStringNilPointer);
    return *context.Library();
}
}  // namespace

TWorld::TWorld(TWorldWindow& window, TGameContext& context, const TConfig& config)
    : FWindow(window), FContext(context), FLibrary(LibraryOf(context)), FConfig(config), FView(*this) {
    FContext.SetViewSize(kNormalViewWidth, kNormalViewHeight);
}

TWorld::~TWorld() {
    if (FCurrentRoom != nullptr) {
        // Nothing may leave a destructor; the game is saved whatever the room did.
        try {
            FCurrentRoom->ClearTimers();
            FCurrentRoom->Leave();
        } catch (...) {
        }
        FCurrentRoom = nullptr;
    }
    try {
        if (FSaveOnEnd) SaveGame();
        else ReportKeptSavedGame();
    } catch (...) {
    }
    FCapturedBox = nullptr;
    FRoomStack.Clear();
    for (auto* room : NodesOf<TRoom>(FRooms)) {
        try {
            room->ReleaseGraphics(true);
        } catch (...) {
        }
    }
    FRooms.Clear();
    ReleaseViewImage();
    FContext.SetViewSize(kNormalViewWidth, kNormalViewHeight);
}

// --- Start ---

void TWorld::CreateViewImage(std::int32_t width, std::int32_t height) {
    ReleaseViewImage();
    FViewImage = TPictureHandle(TImageHandle::CreateBlank(FLibrary, AC8ImageName("WORK"), static_cast<std::uint32_t>(width),
                                                          static_cast<std::uint32_t>(height)));
}

// A library closed before the world has freed its cache, the view picture with it; the
// library then knows the node no more and the handle gives nothing back.
void TWorld::ReleaseViewImage() { FViewImage.Reset(); }

void TWorld::OpenPlayer(const std::u16string& playerName, const TRoomBuilder& buildRooms) {
    CreateViewImage(FContext.ViewWidth(), FContext.ViewHeight());
    // Known before the rooms, so that a failed build can tell which saved game it kept.
    FPlayerName = playerName;
    try {
        if (buildRooms) buildRooms(*this);
    } catch (...) {
        KeepSavedGame(TKeepSavedGame::RoomsNotLoaded);
        throw;
    }
    LoadGame();
}

TRoom* TWorld::AddRoom(std::unique_ptr<TRoom> room) {
    room->SetWorld(this);
    return FRooms.Append(std::move(room));
}

void TWorld::SetStartRoom(std::string_view name) { FStartRoomName = UpperAscii(name); }

std::string TWorld::GetStartRoom() const {
    return FConfig.BeginWithGiftScreen ? std::string(kGiftScreen) : FStartRoomName;
}

void TWorld::Begin() {
    std::string name = GetStartRoom();
    if (name == kIntroStart) {
        PushRoomByName(kDarkRoom);
        name = kWelcomePage;
    }
    GoRoom(name);
}

// --- Navigation ---

TRoom* TWorld::FindRoom(std::string_view name) const { return FRooms.FindByID(name); }

void TWorld::PushRoomByName(std::string_view name) {
    if (TRoom* room = FindRoom(name)) FRoomStack.Push(room);
}

// The new room is entered before it is drawn, the buttons are set before it is entered,
// and it becomes current only at the end: during its Enter and Draw the current room is
// still the old one. Each stage has its own handling of errors so that one room's fault
// shows a message instead of leaving the game between two rooms.
bool TWorld::ChangeRoom(std::string_view name) {
    if (FCurrentRoom != nullptr) FCurrentRoom->ClearTimers();
    SetBusy(true);
    bool becameCurrent = false;
    try {
        TRoom* next = nullptr;
        int stage = 0;
        try {
            next = FindRoom(name);
            stage = 1;
            if (next == nullptr) RaiseGameError(GameStringNilPointer);
            ProcessPendingMessages();
            stage = 5;
        } catch (...) {
            ShowWorldMessage("GoRoom: exception A" + std::to_string(stage) + " caught");
            throw;
        }

        TRoom* old = FCurrentRoom;
        std::string fromName;
        try {
            if (old != nullptr) {
                FCapturedBox = nullptr;
                old->Leave();
                FRoomStack.Push(old);
                fromName = old->GetID();
            }
        } catch (...) {
            ShowWorldMessage("GoRoom: exception B caught");
        }
        if (old != nullptr && (old->Flags & kRoomTransition) != 0) SetFlags(kWorldTransition, true);

        RunGuarded(*this, "GoRoom: exception C caught", [&] {
            UpdateActionButtons(*next);
            UpdateNavButtons(*next);
            next->Enter(fromName);
        });
        FitViewToRoom(*next);
        UpdateTutorButton(*next);
        RunGuarded(*this, "GoRoom: exception D caught", [&] {
            next->Draw(FViewImage.Get());
            ShowViewCursor(*next);
        });

        SetFlags(kWorldTransition, false);
        FCurrentRoom = next;
        becameCurrent = true;
        try {
            FWindow.SetCaption(next->GetCaption());
        } catch (...) {
            ShowWorldMessage("GoRoom: exception E caught");
        }
    } catch (const VekException& e) {
        ReportError(e.what());
    } catch (...) {
        ShowWorldMessage("GoRoom: exception F caught");
        // The game goes on after a foreign error too: the mouse must not stay ignored.
        SetFlags(kWorldTransition, false);
        SetBusy(false);
        throw;
    }
    SetFlags(kWorldTransition, false);
    SetBusy(false);
    return becameCurrent;
}

void TWorld::GoBack() {
    TRoom* back = FRoomStack.Pop();
    if (back == nullptr) return;
    TRoom* left = FCurrentRoom;
    if (ChangeRoom(back->GetID())) {
        // The change pushed the room just left; going back must not come back to it.
        const auto* last = static_cast<const TRoomStackNode*>(FRoomStack.Last());
        if (last != nullptr && last->Room == left) FRoomStack.Pop();
    } else {
        FRoomStack.Push(back);
    }
}

void TWorld::FitViewToRoom(TRoom& room) {
    const bool fullFrame = (room.Flags & kRoomFullFrame) != 0;
    if (fullFrame == ((FFlags & kWorldFullFrame) != 0)) return;
    if (fullFrame)
        FContext.SetViewSize(kFullFrameViewWidth, kFullFrameViewHeight);
    else
        FContext.SetViewSize(kNormalViewWidth, kNormalViewHeight);
    SetFlags(kWorldFullFrame, fullFrame);
    CreateViewImage(FContext.ViewWidth(), FContext.ViewHeight());
    // The frame around the picture comes or goes.
    FView.Invalidate();
}

void TWorld::UpdateTutorButton(TRoom& room) {
    const auto* role = dynamic_cast<const TTutorRoleRoom*>(&room);
    FWindow.SetTutorChecked(role != nullptr && role->GetTutorRole() != TTutorRole::Tutor);
}

void TWorld::ShowViewCursor(TRoom& room) {
    const std::optional<TPoint> mouse = FWindow.MousePosition();
    THitBox* box = mouse ? room.HitBoxes().HitTest(mouse->X, mouse->Y) : nullptr;
    FView.Cursor = box != nullptr ? box->GetCursor(mouse->X, mouse->Y) : FDefaultCursor;
}

// --- Buttons ---

void TWorld::UpdateNavButtons(TRoom& room) {
    FWindow.SetHomeIndex(room.HomeButton);
    const bool noNavigation = (room.Flags & kRoomNoNavigation) != 0;
    for (int i = 1; i <= kNavButtonCount; ++i) {
        TNavState state = TNavState::Normal;
        const std::string_view target = kNavRooms[static_cast<std::size_t>(i - 1)];
        // A house built without one of its four rooms keeps that button dark rather than
        // leading to a room that is not there.
        if (noNavigation || (room.NavigationMask & (1u << (i - 1))) != 0 || FindRoom(target) == nullptr)
            state = TNavState::Disabled;
        else if (target == room.GetID())
            state = TNavState::Current;
        FWindow.SetNavButtonState(i, state);
    }
    FWindow.SetNavGreyed(noNavigation);
}

void TWorld::UpdateActionButtons(TRoom& room) {
    int next = 1;
    auto offer = [&](TActionCommand command, TActionState state) {
        FWindow.SetActionCommand(next, command);
        FWindow.SetActionState(next, state);
        ++next;
    };
    if (const auto* album = dynamic_cast<const TAlbumActions*>(&room)) {
        offer(TActionCommand::Hang, EnabledState(album->CanHang()));
        if (FConfig.AllowPrinterUse) {
            const TActionState state = EnabledState(album->HasCurrentPicture() && album->HasPrinter());
            offer(TActionCommand::Print, state);
            offer(TActionCommand::Card, state);
        }
    } else {
        if ((room.Flags & kRoomSnapOffered) != 0)
            offer(TActionCommand::Snap, EnabledState((room.Flags & kRoomSnapEnabled) != 0));
        if ((room.Flags & kRoomWrapOffered) != 0)
            offer(TActionCommand::Wrap, EnabledState((room.Flags & kRoomWrapEnabled) != 0));
    }
    while (next <= kActionButtonCount) offer(TActionCommand::None, TActionState::Disabled);
}

void TWorld::NavButtonClick(int index) {
    if (index < 1 || index > kNavButtonCount) return;
    GoRoom(kNavRooms[static_cast<std::size_t>(index - 1)]);
}

void TWorld::ActionButtonClick(TActionCommand command) {
    const auto number = static_cast<std::size_t>(command);
    if (FCurrentRoom == nullptr || number < 1 || number > kActionWords.size()) return;
    RunGuarded(*this, [&] {
        if (command == TActionCommand::Snap) FContext.PlaySound(kSnapSound);
        if (command == TActionCommand::Hang) FContext.PlaySound(kHangSound);
        FCurrentRoom->RunScript("", std::string(kActionWords[number - 1]));
    });
}

void TWorld::TutorClick() {
    if (IsUnavailable()) return;
    RunGuarded(*this, [&] {
        const auto* role = dynamic_cast<const TTutorRoleRoom*>(FCurrentRoom);
        const TTutorRole kind = role != nullptr ? role->GetTutorRole() : TTutorRole::Tutor;
        if (kind == TTutorRole::TextPage)
            FCurrentRoom->RunScript("", std::string(room_words::kExit));
        else if (kind == TTutorRole::FrontRoom)
            FWindow.SetTutorChecked(true);
        else
            FCurrentRoom->RunScript("", std::string(room_words::kTutor));
    });
}

void TWorld::ShowAbout() {
    if (IsUnavailable()) return;
    if (FCurrentRoom->GetID() != kWelcomePage) GoRoom(kWelcomePage);
}

bool TWorld::IsUnavailable() const { return FCurrentRoom == nullptr || (FFlags & kWorldBusy) != 0; }

// --- Flags and messages ---

void TWorld::SetFlags(std::uint16_t mask, bool on) {
    FFlags = static_cast<std::uint16_t>(on ? (FFlags | mask) : (FFlags & ~mask));
}

void TWorld::SetBusy(bool value) {
    ProcessPendingMessages();
    if (value == ((FFlags & kWorldBusy) != 0)) return;
    SetFlags(kWorldBusy, value);
    ShowBusyCursor();
}

void TWorld::BeginHourglass() {
    ++FHourglassDepth;
    ShowBusyCursor();
}

void TWorld::EndHourglass() noexcept {
    if (FHourglassDepth > 0) --FHourglassDepth;
    // Called while an exception may be passing: the cursor is restored or left, never thrown.
    try {
        ShowBusyCursor();
    } catch (...) {
    }
}

// The hourglass shows while the world is busy or a room's work runs, and goes only when
// both have ended, so a room change inside a piece of work does not end its hourglass.
void TWorld::ShowBusyCursor() {
    const bool show = (FFlags & kWorldBusy) != 0 || FHourglassDepth > 0;
    if (show == FHourglassShown) return;
    FHourglassShown = show;
    FWindow.SetBusyCursor(show);
}

void TWorld::ReportError(const std::string& message) {
    if (AskQuitAfterError(message)) SetQuit();
}
