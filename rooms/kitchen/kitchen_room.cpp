#include "rooms/kitchen/kitchen_room.h"

#include <algorithm>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "foundation/stream_values.h"
#include "rooms/kitchen/cookie_info.h"
#include "rooms/kitchen/kitchen_words.h"
#include "rooms/questions/gift_table.h"
#include "shell/room_words.h"
#include "shell/room_world.h"
#include "shell/game_context.h"
#include "shell/view_size.h"

namespace {

// Sounds.
constexpr std::int32_t kSoundCookieDrops = 45;
constexpr std::int32_t kSoundCookieLands = 46;
constexpr std::int32_t kSoundOvenDoor = 47;
constexpr std::int32_t kSoundMachineRuns = 48;
constexpr std::int32_t kSoundGulp = 49;
constexpr std::int32_t kSoundLastGulp = 50;
constexpr std::int32_t kSoundPour = 51;
constexpr std::int32_t kSoundBaked = 52;
constexpr std::int32_t kSoundTrayIn = 53;
constexpr std::int32_t kSoundBite = 54;
constexpr std::int32_t kSoundLastBite = 55;
constexpr std::int32_t kSoundRefill = 56;
constexpr std::int32_t kSoundTimerTicks = 57;
constexpr std::int32_t kSoundTimerRings = 58;
// The button sounds are 3 + row; loaded once, cutting short whatever plays.
constexpr std::uint8_t kLoadOnce = 1;
constexpr std::uint32_t kCutShort = 25;

constexpr std::uint8_t kTransparentOff = 15;
constexpr std::uint8_t kWorkKey = 40;

// --- Where the pieces of "kitchgfx" go (room coordinates) ---

constexpr std::array<std::int32_t, 5> kButtonX{742, 772, 802, 832, 862};
constexpr std::array<std::int32_t, 3> kButtonY{107, 165, 223};
constexpr std::array<std::int32_t, 5> kMarkerX{747, 777, 807, 837, 867};
constexpr std::array<std::int32_t, 3> kMarkerY{139, 197, 255};
constexpr std::array<std::int32_t, 3> kMarkerSourceX{238, 254, 270};

constexpr std::array<std::int32_t, 3> kHopperSourceX{0, 67, 134};
constexpr std::array<std::int32_t, 3> kHopperX{616, 712, 805};
constexpr std::array<std::int32_t, 3> kHopperOffset{3, 2, 0};
constexpr std::int32_t kHopperWidth = 67;
constexpr std::int32_t kHopperTop = 17;
constexpr std::int32_t kHopperBottom = 79;
constexpr std::int32_t kStripRows = 23;
constexpr std::int32_t kWorkTop = 69;

constexpr std::array<std::int32_t, 2> kJugSourceX{320, 368};
constexpr std::array<std::int32_t, 2> kJugWidth{48, 46};
constexpr std::array<std::int32_t, 2> kJugX{91, 159};
constexpr std::int32_t kJugY = 175;
constexpr std::int32_t kJugHeight = 67;
constexpr std::array<std::int32_t, 3> kJugCurve{18, 8, 2};

constexpr TPoint kGlassAt{62, 200};
constexpr std::array<std::int32_t, 3> kGlassSourceY{268, 180, 224};

struct TArmPiece {
    std::int32_t SourceX, SourceDy, Width, Height, X;
};
constexpr std::array<TArmPiece, kTrayPlaces> kArm{{
    {10, 14, 37, 10, 599},
    {5, 7, 46, 17, 600},
    {1, 0, 53, 24, 602},
    {8, 14, 39, 10, 620},
    {2, 7, 49, 17, 627},
    {0, 0, 54, 24, 636},
}};
constexpr std::int32_t kHeadY = 162;

constexpr TPoint kMachineTrayAt{596, 204};
constexpr std::array<TPoint, kTrayPlaces> kMachineIcons{{
    {606, 213}, {611, 231}, {616, 249}, {633, 212}, {642, 229}, {652, 246},
}};
constexpr std::array<std::int32_t, kTrayPlaces> kDropRise{42, 53, 64, 41, 51, 61};
constexpr std::array<std::int32_t, 5> kDropShare{10, 9, 7, 4, 0};

constexpr TPoint kOvenAt{179, 235};
constexpr TPoint kOvenTrayAt{298, 270};
struct TOvenCookie {
    std::int32_t SourceX, SourceY, Width, Height, Dx, Dy;
};
constexpr std::array<TOvenCookie, kTrayPlaces> kOvenCookies{{
    {112, 384, 27, 10, 33, 4},
    {139, 384, 26, 10, 60, 4},
    {165, 384, 24, 11, 91, 4},
    {189, 384, 27, 5, 22, 13},
    {189, 389, 27, 6, 51, 12},
    {216, 384, 22, 6, 85, 12},
}};

constexpr TPoint kCoolingTrayAt{53, 249};
constexpr std::array<TPoint, kTrayPlaces> kCoolingIcons{{
    {72, 251}, {103, 249}, {145, 252}, {125, 265}, {87, 266}, {53, 262},
}};
// The eaten cookie is shown big, at a place of the view.
constexpr TRect kEatenView{195, 92, 195 + kCookieWidth, 92 + kCookieHeight};

// Rectangles to redraw, in room coordinates.
constexpr TRect kOvenRect{179, 235, 179 + 281, 235 + 85};
constexpr TRect kCoolingRect{53, 249, 165, 281};
constexpr TRect kGlassRect{62, 200, 62 + 21, 200 + 44};
constexpr TRect kHeadRect{596, 162, 596 + 114, 162 + 24};
constexpr TRect kMachineTrayRect{596, 204 - 64, 596 + 119, 204 + 76};

// The digit at a position of a box name, or -1 when there is none in first..last.
int DigitAt(const std::string& name, std::size_t at, int first, int last) {
    if (name.size() <= at || name[at] < '0' || name[at] > '9') return -1;
    const int digit = name[at] - '0';
    return digit >= first && digit <= last ? digit : -1;
}


}  // namespace

TKitchenRoom::TKitchenRoom(std::string_view name) : TWideRoom(name) {
    SetAuxImageName("kitchgfx");
    Width = kKitchenWidth;
    ScrollTo(kKitchenWidth - ViewWidth());
    LightButtons();
}

TKitchenRoom::~TKitchenRoom() = default;

TKitchenRoom* FindKitchen(const TRoomWorld& world) {
    return dynamic_cast<TKitchenRoom*>(world.FindRoom(kitchen_words::kKitchen));
}

// --- Saved record ---

void TKitchenRoom::ReadData(TStream& s) {
    for (std::size_t h = 0; h < 3; ++h) {
        const std::uint8_t level = std::min(ReadU8(s), kHopperFull[h]);
        FLevels[h] = level;
        FTargets[h] = level;
    }
}

void TKitchenRoom::WriteData(TStream& s) {
    for (std::uint8_t level : FLevels) WriteByte(s, level);
}

// --- State ---

THotImage* TKitchenRoom::MachinePicture(int place) const {
    if (place < 1 || place > kTrayPlaces) return nullptr;
    return FMachinePictures[static_cast<std::size_t>(place - 1)].get();
}

THotImage* TKitchenRoom::CoolingPicture(int place) const {
    if (place < 1 || place > kTrayPlaces) return nullptr;
    return FCoolingPictures[static_cast<std::size_t>(place - 1)].get();
}

bool TKitchenRoom::ButtonLit(int row, int choice) const {
    if (row < 1 || row > 3 || choice < 1 || choice > 5) return false;
    return FLit[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(choice - 1)];
}

bool TKitchenRoom::CanStartBatch() const {
    return !FTrayInOven && FLevels[0] >= kHopperUse[0] && FLevels[1] >= kHopperUse[1] &&
           FLevels[2] >= kHopperUse[2] && FMachineStep == 0 && FMachineTray[FCurrentPlace - 1u].Present == 0;
}

void TKitchenRoom::LightButtons() {
    for (auto& row : FLit) row.fill(false);
    FLit[0][FChoice[0] - 1u] = true;
    FLit[1][FChoice[1] - 1u] = true;
    if (HasTopping(FChoice[1])) FLit[2][FChoice[2] - 1u] = true;
}

void TKitchenRoom::SetLevel(std::size_t hopper, std::int32_t level) {
    const auto value = static_cast<std::uint8_t>(std::clamp<std::int32_t>(level, 0, kHopperFull[hopper]));
    if (value == FLevels[hopper]) return;
    FLevels[hopper] = value;
    Redraw(MakeBounds(kHopperX[hopper], kHopperTop, kHopperWidth, kHopperBottom - kHopperTop));
}

void TKitchenRoom::StoreCookieChoice() {
    FMachineTray[FCurrentPlace - 1u] = TCookieSlot{FChoice[0], FChoice[1], FChoice[2], 1};
}

// The cookie of the current place gets its picture.
void TKitchenRoom::FinishCookie() {
    StoreCookieChoice();
    FMachinePictures[FCurrentPlace - 1u] = MakeCookiePicture(FChoice[0], FChoice[1], FChoice[2], World().GetImageLibrary());
}

void TKitchenRoom::ClearCoolingTray() {
    FCoolingTray = TCookieTray{};
    for (auto& picture : FCoolingPictures) picture.reset();
    RefreshBoxes();
    Redraw(kCoolingRect);
}

void TKitchenRoom::ClearMachineTray() {
    FMachineTray = TCookieTray{};
    for (auto& picture : FMachinePictures) picture.reset();
    FTrayInOven = false;
}

bool TKitchenRoom::WrapMachineTray() {
    if (!TrayHoldsCookie(FMachineTray)) return false;
    if (!WrapAsGift(World(), kCookieGift, 0)) return false;
    ClearMachineTray();
    return true;
}

// --- Boxes, indicators and action buttons ---

void TKitchenRoom::SetBoxEnabled(std::string_view name, bool enabled) {
    FindNodeOrFail<THitBox>(HitBoxes(), name).SetEnabled(enabled);
}

void TKitchenRoom::UpdateScrollButtons() {
    TWideRoom::UpdateScrollButtons();
    SetBoxEnabled(kitchen_words::kGoBox, CanStartBatch());
    for (std::size_t h = 0; h < 3; ++h) SetBoxEnabled(kitchen_words::kHopperBoxes[h], FLevels[h] < kHopperFull[h]);
    for (std::size_t j = 0; j < 2; ++j) SetBoxEnabled(kitchen_words::kJugBoxes[j], FJugs[j] != 0 && FGlass[0] == 0);
    SetBoxEnabled(kitchen_words::kGlassBox, FGlass[kGlassBands - 1] != 0);
    SetBoxEnabled(kitchen_words::kOvenBox, TrayHoldsCookie(FMachineTray) && !FOvenBusy);
    for (std::size_t p = 0; p < kTrayPlaces; ++p)
        SetBoxEnabled(kitchen_words::kPlateBoxes[p], FCoolingTray[p].Present == 1);
}

void TKitchenRoom::RefreshBoxes() {
    UpdateScrollButtons();
    if (GetWorld() != nullptr) World().RequestCursorRefresh();
}

void TKitchenRoom::SetIndicator(std::string_view name, std::int16_t frame, bool draw) {
    TFrameSet* set = FrameSets().FindFrameSet(name);
    if (set == nullptr || set->CurrentFrame == frame) return;
    if (draw)
        ShowFrame(*set, frame);
    else
        set->SetFrame(nullptr, frame, false);
}

void TKitchenRoom::UpdateIndicators(bool draw) {
    const bool low[3] = {FLevels[0] < kHopperUse[0], FLevels[1] < kHopperUse[1], FLevels[2] < kHopperUse[2]};
    SetIndicator(kitchen_words::kLowLights[0], low[0] && FFlashPhase ? 1 : 0, draw);
    SetIndicator(kitchen_words::kLowLights[1], low[1] && FFlashPhase ? 1 : 0, draw);
    SetIndicator(kitchen_words::kLowLights[2], low[2] && FFlashPhase ? 1 : 0, draw);
    SetIndicator(kitchen_words::kTrayLight, FTrayInOven ? 1 : 0, draw);
    SetIndicator(kitchen_words::kGoLight, CanStartBatch() ? 1 : 0, draw);
    if ((low[0] || low[1] || low[2]) && FindTimer(TTimerCode::Flash) == nullptr) AddTimer(TTimerCode::Flash, 8);
}

void TKitchenRoom::UpdateSnapWrap() {
    const std::uint16_t before = Flags;
    if (AtLeftEnd() && TrayHoldsCookie(FCoolingTray))
        Flags |= kRoomSnapEnabled | kRoomWrapEnabled;
    else
        Flags &= static_cast<std::uint16_t>(~(kRoomSnapEnabled | kRoomWrapEnabled));
    if (Flags != before && IsOnScreen()) World().UpdateActionButtons(*this);
}

// --- Entering ---

void TKitchenRoom::Enter(const std::string& fromRoom) {
    if (FJar > 0 && fromRoom != kitchen_words::kTray) --FJar;
    if (FMachineStep != 0) {
        // The child left during a batch: the cookie is finished at once. From its ninth step
        // on the cookie already lies on the tray as it was chosen then.
        if (FMachineStep <= 8 || MachinePicture(FCurrentPlace) == nullptr) FinishCookie();
        FMachineStep = 0;
        FHeadStep = 0;
        FDropStep = 0;
        FLevels = FTargets;
        FCurrentPlace = static_cast<std::uint8_t>(NextTrayPlace(FCurrentPlace));
    }
    int removed = 0;
    for (std::size_t p = 0; p < kTrayPlaces; ++p) {
        if (FCoolingTray[p].Present == 1) ++removed;
        FCoolingTray[p] = TCookieSlot{};
        FCoolingPictures[p].reset();
    }
    FJar = static_cast<std::uint8_t>(std::min<int>(kJarFull, FJar + (removed + 2) / 3));
    if (FTrayInOven || FOvenStep != 0) {
        FCoolingTray = FMachineTray;
        for (std::size_t p = 0; p < kTrayPlaces; ++p) FCoolingPictures[p] = std::move(FMachinePictures[p]);
        FMachineTray = TCookieTray{};
    }
    FOvenBusy = false;
    FTrayInOven = false;
    FOvenDoor = 0;
    // A sequence cut short by leaving is over: the next visit must not bake the tray again.
    FOvenStep = 0;
    FEatenPlace = 0;
    FBites = 0;
    FBitePicture.reset();
    FJugs = {kJugPours, kJugPours};
    TWideRoom::Enter(fromRoom);
    if (FWorkPicture == nullptr) FWorkPicture = std::make_unique<THotImage>("hopwork", true, World().GetImageLibrary());
    UpdateIndicators(false);
    UpdateSnapWrap();
    if (TFrameSet* jar = FrameSets().FindFrameSet(kitchen_words::kJar)) jar->SetFrame(nullptr, FJar, false);
    if (TFrameSet* timer = FrameSets().FindFrameSet(kitchen_words::kOvenTimer)) timer->SetFrame(nullptr, 2, false);
}

// --- Messages ---

void TKitchenRoom::RunScript(const std::string& script, const std::string& sender) {
    if (script == kitchen_words::kButton) {
        PressButton(sender);
    } else if (script == kitchen_words::kStartBatch) {
        StartBatch();
    } else if (sender == kitchen_words::kMachineTimer) {
        RunMachineStep();
    } else if (script == kitchen_words::kOven) {
        if (FOvenBusy || !TrayHoldsCookie(FMachineTray)) return;
        SetBoxEnabled(kitchen_words::kOvenBox, false);
        AddTimer(TTimerCode::Cook, 2);
        FOvenStep = 0;
        FOvenBusy = true;
    } else if (sender == kitchen_words::kCookTimer) {
        OvenStepOnce();
    } else if (script == kitchen_words::kRefill) {
        Refill(sender);
    } else if (sender == kitchen_words::kFlashTimer) {
        if (FLevels[0] >= kHopperUse[0] && FLevels[1] >= kHopperUse[1] && FLevels[2] >= kHopperUse[2]) {
            FFlashPhase = false;
        } else {
            FFlashPhase = !FFlashPhase;
            AddTimer(TTimerCode::Flash, 8);
        }
        UpdateIndicators(true);
    } else if (script == kitchen_words::kDrink) {
        Drink(sender);
    } else if (script != kitchen_words::kPlate && sender == kitchen_words::kEatTimer) {
        EatBite();
    } else if (sender == kitchen_words::kScrollLeft || sender == kitchen_words::kScrollRight) {
        const bool wasAtLeft = AtLeftEnd();
        TWideRoom::RunScript(script, sender);
        if (AtLeftEnd() != wasAtLeft) UpdateSnapWrap();
    } else if (sender == kitchen_words::kWrap) {
        Wrap();
    } else if (sender == kitchen_words::kSnap) {
        Snap();
    } else if (sender == room_words::kTutor) {
        World().GoRoom(kitchen_words::kKitchenHelpPage);
    } else if (script != kitchen_words::kPlate) {
        TWideRoom::RunScript(script, sender);
    } else if (FindTimer(TTimerCode::Eat) == nullptr) {
        TakeFromPlate(sender);
    }
}

void TKitchenRoom::PressButton(const std::string& sender) {
    const int choice = DigitAt(sender, 5, 1, 5);
    const int row = DigitAt(sender, 6, 1, 3);
    if (choice < 0 || row < 0) return;  // not one of the fifteen buttons
    const std::size_t r = static_cast<std::size_t>(row - 1);
    FChoice[r] = static_cast<std::uint8_t>(choice);
    LightButtons();
    // The old and the new button, the row's marker, the variant row (which lights only for
    // a topping) and the iced button, which shows the shape.
    Redraw(TRect{kButtonX[0], kButtonY[0], kButtonX[4] + 24, kMarkerY[2] + 20});
    PlaySoundEx(3 + row, kLoadOnce, kCutShort, false);
}

void TKitchenRoom::StartBatch() {
    // The button may have been pressed in the moment the batch became impossible.
    if (!CanStartBatch()) return;
    for (std::size_t h = 0; h < 3; ++h) FTargets[h] = static_cast<std::uint8_t>(FLevels[h] - kHopperUse[h]);
    FMachineStep = 1;
    AddTimer(TTimerCode::Machine, 5);
    RefreshBoxes();
    UpdateIndicators(true);
    PlaySoundIfIdle(kSoundMachineRuns);
}

void TKitchenRoom::RunMachineStep() {
    const int s = FMachineStep;
    if (s == 0) return;
    if (s <= 8) {
        SetLevel(0, FTargets[0] + 8 - s);
        SetLevel(1, FTargets[1] + (24 - 3 * s) / 8);
        SetLevel(2, FTargets[2] + (40 - 5 * s) / 8);
    } else if (s == 9) {
        PlaySoundEx(kSoundCookieDrops, kLoadOnce, kCutShort, false);
        FinishCookie();
        FreeSaveUnder();
    } else if (s <= 14) {
        FDropStep = static_cast<std::uint8_t>(s - 9);
        Redraw(kMachineTrayRect);
        if (s == 14) PlaySoundEx(kSoundCookieLands, kLoadOnce, kCutShort, false);
    } else if (s <= 19) {
        FDropStep = 0;
        FHeadStep = static_cast<std::uint8_t>(s - 14);
        Redraw(kMachineTrayRect);
        Redraw(kHeadRect);
    } else {
        FMachineStep = 0;
    }
    if (FMachineStep != 0) {
        ++FMachineStep;
        AddTimer(TTimerCode::Machine, 2);
    } else {
        FHeadStep = 0;
        FCurrentPlace = static_cast<std::uint8_t>(NextTrayPlace(FCurrentPlace));
        Redraw(kHeadRect);
        RefreshBoxes();
        UpdateIndicators(true);
    }
}

void TKitchenRoom::OvenStepOnce() {
    static constexpr std::array<std::int32_t, 15> kDelays{2, 5, 10, 15, 20, 10, 15, 15, 15, 15, 25, 10, 10, 25, 0};
    const auto door = [this](std::uint8_t d) {
        FOvenDoor = d;
        Redraw(kOvenRect);
        PlaySound(kSoundOvenDoor);
    };
    const auto timer = [this](std::int16_t frame) {
        if (TFrameSet* set = FrameSets().FindFrameSet(kitchen_words::kOvenTimer)) ShowFrame(*set, frame);
    };
    const int k = FOvenStep;
    switch (k) {
        case 0:
            if (AtLeftEnd() && ScrollOffset == 0) {
                FOvenStep = 2;
            } else {
                RunScript(std::string(kitchen_words::kScrollScript), std::string(kitchen_words::kScrollLeft));
                FOvenStep = 1;
            }
            break;
        case 1:
            FOvenStep = AtLeftEnd() && ScrollOffset == 0 ? 2 : 1;
            break;
        case 2: door(1); break;
        case 3: door(2); break;
        case 4:
            FTrayInOven = true;
            Redraw(kOvenRect);
            Redraw(kMachineTrayRect);
            RefreshBoxes();
            UpdateIndicators(true);
            PlaySound(kSoundTrayIn);
            break;
        case 5: door(1); break;
        case 6: door(0); break;
        case 7:
            timer(0);
            PlaySoundIfIdle(kSoundTimerTicks);
            break;
        case 8: timer(1); break;
        case 9: timer(2); break;
        case 10:
            timer(3);
            PlaySoundEx(kSoundTimerRings, kLoadOnce, kCutShort, true);
            break;
        case 11:
            timer(2);
            StopLoopedSounds();
            break;
        case 12: door(1); break;
        case 13: door(2); break;
        default:
            PlaySound(kSoundBaked);
            World().GoRoom(kitchen_words::kTray);
            break;
    }
    const std::int32_t delay = kDelays[static_cast<std::size_t>(std::min(k, 14))];
    if (k >= 2) FOvenStep = static_cast<std::uint8_t>(k + 1);
    if (FOvenStep > 14) {
        FOvenBusy = false;
        FOvenStep = 0;
        if (THitBox* box = FindHitBox(kitchen_words::kOvenBox))
            box->SetEnabled(TrayHoldsCookie(FMachineTray) && !FTrayInOven);
        return;
    }
    AddTimer(TTimerCode::Cook, delay);
}

void TKitchenRoom::Refill(const std::string& sender) {
    if (sender.size() < 5) return;
    std::size_t h = 2;
    if (sender[4] == 'B')
        h = 1;
    else if (sender[4] == 'F')
        h = 0;
    const std::uint8_t before = FLevels[h];
    SetLevel(h, before + kRefill);
    // A batch that is running leaves the refill in the hopper.
    if (FMachineStep != 0) FTargets[h] = static_cast<std::uint8_t>(FTargets[h] + (FLevels[h] - before));
    PlaySound(kSoundRefill);
    RefreshBoxes();
    UpdateIndicators(true);
}

void TKitchenRoom::Drink(const std::string& sender) {
    if (sender.size() >= 5 && sender[4] == 'J') {
        const int jug = DigitAt(sender, 5, 1, 2);
        if (jug < 0 || FJugs[static_cast<std::size_t>(jug - 1)] == 0) return;
        int band = kGlassBands;
        while (band >= 1 && FGlass[static_cast<std::size_t>(band - 1)] != 0) --band;
        if (band < 1) return;  // the glass is full
        FGlass[static_cast<std::size_t>(band - 1)] = static_cast<std::uint8_t>(jug);
        --FJugs[static_cast<std::size_t>(jug - 1)];
        Redraw(MakeBounds(kJugX[jug - 1u], kJugY, kJugWidth[jug - 1u], kJugHeight));
        PlaySound(kSoundPour);
    } else {
        int band = 1;
        while (band <= kGlassBands && FGlass[static_cast<std::size_t>(band - 1)] == 0) ++band;
        if (band > kGlassBands) return;  // nothing to drink
        FGlass[static_cast<std::size_t>(band - 1)] = 0;
        PlaySound(kSoundGulp);
        if (band == kGlassBands) PlaySound(kSoundLastGulp);
    }
    Redraw(kGlassRect);
    RefreshBoxes();
}

void TKitchenRoom::TakeFromPlate(const std::string& sender) {
    const int place = DigitAt(sender, 5, 1, kTrayPlaces);
    if (place < 0) return;
    const std::size_t p = static_cast<std::size_t>(place - 1);
    if (FCoolingTray[p].Present != 1 || FCoolingPictures[p] == nullptr) return;
    FEatenPlace = static_cast<std::uint8_t>(place);
    FBites = 0;
    SetBoxEnabled(kitchen_words::kPlateBoxes[p], false);
    FCoolingTray[p].Present = 0;
    Redraw(kCoolingRect);
    FBitePicture = std::make_unique<THotImage>(AC8ImageName(ShapeCode(FCoolingTray[p].Shape) + "_bite"), false,
                                               World().GetImageLibrary());
    RedrawView(kEatenView);
    AddTimer(TTimerCode::Eat, 20);
    if ((Flags & kRoomWrapEnabled) != 0) {
        Flags &= static_cast<std::uint16_t>(~(kRoomSnapEnabled | kRoomWrapEnabled));
        World().UpdateActionButtons(*this);
    }
    World().RequestCursorRefresh();
}

void TKitchenRoom::EatBite() {
    const std::uint8_t before = FBites;
    ++FBites;
    if (before <= 2) {
        PlaySound(kSoundBite);
        AddTimer(TTimerCode::Eat, 20);
    } else {
        PlaySound(kSoundLastBite);
        if (FEatenPlace != 0) FCoolingPictures[FEatenPlace - 1u].reset();
        FEatenPlace = 0;
        FBitePicture.reset();
        UpdateSnapWrap();
    }
    RedrawView(kEatenView);
}

void TKitchenRoom::Snap() {
    if (!TrayHoldsCookie(FCoolingTray)) return;
    HandTrayToAlbum(World(), FCoolingTray);
    RunScript("", std::string(room_words::kSnapFlash));
}

void TKitchenRoom::Wrap() {
    if (!TrayHoldsCookie(FCoolingTray)) return;
    if (WrapAsGift(World(), kCookieGift, 0)) ClearCoolingTray();
}

// --- Drawing ---

TRect TKitchenRoom::InView(const TRect& roomRect) const {
    return TRect{roomRect.Left - ScrollOffset, roomRect.Top, roomRect.Right - ScrollOffset, roomRect.Bottom};
}

void TKitchenRoom::Redraw(const TRect& roomRect) { RedrawView(InView(roomRect)); }

void TKitchenRoom::RedrawView(const TRect& viewRect) {
    TAC8ImageData* view = ShownView();
    if (view == nullptr) return;
    const TRect shown = IntersectRects(viewRect, view->GetBounds());
    if (IsRectEmpty(shown)) return;
    RedrawRect(view, shown);
}

void TKitchenRoom::Piece(TAC8ImageData& view, TPoint roomAt, const TRect& source) const {
    view.Blit(TPoint{roomAt.X - ScrollOffset, roomAt.Y}, *AuxImage(), source);
}

void TKitchenRoom::DrawOverlays(TAC8ImageData* view) {
    TWideRoom::DrawOverlays(view);
    if (view == nullptr || AuxImage() == nullptr) return;
    for (int row = 1; row <= 3; ++row)
        for (int choice = 1; choice <= 5; ++choice) DrawButton(*view, row, choice);
    for (std::size_t h = 0; h < 3; ++h) DrawHopper(*view, h);
    DrawJug(*view, 1);
    DrawJug(*view, 2);
    for (std::size_t r = 0; r < 3; ++r)
        Piece(*view, TPoint{kMarkerX[FChoice[r] - 1u], kMarkerY[r]}, MakeBounds(kMarkerSourceX[r], 357, 16, 20));
    for (int i = 0; i < kGlassBands; ++i)
        Piece(*view, TPoint{kGlassAt.X, kGlassAt.Y + 11 * i},
              MakeBounds(414, kGlassSourceY[FGlass[static_cast<std::size_t>(i)]] + 11 * i, 21, 11));
    DrawMachineHead(*view);
    DrawMachineTray(*view);
    DrawOven(*view);
    DrawCoolingTray(*view);
    DrawEatenCookie(*view);
}

void TKitchenRoom::DrawButton(TAC8ImageData& view, int row, int choice) const {
    const TPoint at{kButtonX[choice - 1u], kButtonY[row - 1u]};
    Piece(view, at, MakeBounds(choice * 24 + 257, row * 30 - 30 + (ButtonLit(row, choice) ? 90 : 0), 24, 30));
    if (row == 2 && choice == 5) Piece(view, at, MakeBounds(401, FChoice[0] * 30 - 30, 24, 30));
}

void TKitchenRoom::DrawHopper(TAC8ImageData& view, std::size_t h) {
    Piece(view, TPoint{kHopperX[h], kHopperTop}, MakeBounds(kHopperSourceX[h], 205, kHopperWidth, 62));
    const std::int32_t level = FLevels[h];
    if (level == 0 || FWorkPicture == nullptr) return;
    TAC8ImageData& work = FWorkPicture->Image();
    TAC8ImageData& sheet = *AuxImage();
    const std::int32_t offset = kHopperOffset[h];
    const TRect content = MakeBounds(0, kWorkTop + offset, kHopperWidth, level);
    work.SetTransparency(kWorkKey, true);
    sheet.SetTransparency(kTransparentOff, false);
    work.Blit(TPoint{0, kWorkTop + offset}, sheet, MakeBounds(kHopperSourceX[h], 267 + offset, kHopperWidth, level));
    // The funnel's strip goes over the content's last rows, and never above it, where the
    // strips are kept.
    work.BlitClipped(TPoint{0, offset + level + 46}, work, content,
                     MakeBounds(0, static_cast<std::int32_t>(h) * kStripRows, kHopperWidth, kStripRows));
    work.SetTransparency(kTransparentOff, true);
    sheet.SetTransparency(kTransparentOff, true);
    view.Blit(TPoint{kHopperX[h] - ScrollOffset, kHopperBottom - level}, work, content);
}

void TKitchenRoom::DrawJug(TAC8ImageData& view, int jug) const {
    const std::size_t j = static_cast<std::size_t>(jug - 1);
    const std::int32_t level = FJugs[j];
    const std::int32_t e = level == 0 ? kJugHeight : 66 - 6 * level;
    const std::int32_t sx = kJugSourceX[j], w = kJugWidth[j];
    const TPoint at{kJugX[j], kJugY};
    if (e > 0) Piece(view, at, MakeBounds(sx, 247, w, e));
    if (e < kJugHeight) Piece(view, TPoint{at.X, at.Y + e}, MakeBounds(sx, 180 + e, w, kJugHeight - e));
    if (level >= 1 && level <= 10) {
        for (std::size_t i = 0; i < kJugCurve.size(); ++i) {
            const std::int32_t y = e + static_cast<std::int32_t>(i);
            const std::int32_t n = kJugCurve[i];
            Piece(view, TPoint{at.X, at.Y + y}, MakeBounds(sx, 247 + e + 1, n, 1));
            Piece(view, TPoint{at.X + w - n, at.Y + y}, MakeBounds(sx + w - n, 247 + e + 1, n, 1));
        }
    }
}

void TKitchenRoom::DrawMachineHead(TAC8ImageData& view) const {
    Piece(view, TPoint{596, kHeadY}, TRect{54, 329, 168, 353});
    const TArmPiece& from = kArm[FCurrentPlace - 1u];
    const TArmPiece& to = kArm[static_cast<std::size_t>(NextTrayPlace(FCurrentPlace) - 1)];
    const std::int32_t t = FHeadStep;
    const auto step = [t](std::int32_t a, std::int32_t b) { return a + (b - a) * t / 5; };
    Piece(view, TPoint{step(from.X, to.X), kHeadY},
          MakeBounds(step(from.SourceX, to.SourceX), 329 + step(from.SourceDy, to.SourceDy), step(from.Width, to.Width),
                     step(from.Height, to.Height)));
    Piece(view, TPoint{599, kHeadY}, TRect{168, 329, 175, 333});
}

void TKitchenRoom::DrawMachineTray(TAC8ImageData& view) const {
    Piece(view, kMachineTrayAt, MakeBounds(201, FTrayInOven ? 281 : 205, 119, 76));
    if (FTrayInOven) return;
    for (std::size_t p = 0; p < kTrayPlaces; ++p) {
        const TCookieSlot& cookie = FMachineTray[p];
        if (cookie.Present != 1) continue;
        TPoint at = kMachineIcons[p];
        if (FDropStep != 0 && p + 1 == FCurrentPlace) at.Y -= kDropRise[p] * kDropShare[FDropStep - 1u] / 10;
        Piece(view, at, CookieIconSource(cookie));
    }
}

void TKitchenRoom::DrawOven(TAC8ImageData& view) const {
    Piece(view, kOvenAt, MakeBounds(0, FOvenDoor == 0 ? 0 : 85, 281, 85));
    if (FOvenDoor == 0) return;
    if (FTrayInOven) {
        Piece(view, kOvenTrayAt, TRect{112, 357, 236, 384});
        for (std::size_t p = 0; p < kTrayPlaces; ++p) {
            if (FMachineTray[p].Present != 1) continue;
            const TOvenCookie& c = kOvenCookies[p];
            Piece(view, TPoint{kOvenTrayAt.X + c.Dx, kOvenTrayAt.Y + c.Dy}, MakeBounds(c.SourceX, c.SourceY, c.Width, c.Height));
        }
    }
    if (FOvenDoor == 1) Piece(view, TPoint{179, 285}, MakeBounds(0, 170, 281, 35));
}

void TKitchenRoom::DrawCoolingTray(TAC8ImageData& view) const {
    Piece(view, kCoolingTrayAt, TRect{0, 353, 112, 385});
    for (std::size_t p = 0; p < kTrayPlaces; ++p)
        if (FCoolingTray[p].Present == 1) Piece(view, kCoolingIcons[p], CookieIconSource(FCoolingTray[p]));
}

void TKitchenRoom::DrawEatenCookie(TAC8ImageData& view) {
    if (FEatenPlace == 0) return;
    THotImage* cookie = FCoolingPictures[FEatenPlace - 1u].get();
    if (cookie == nullptr) return;
    TAC8ImageData& picture = cookie->Image();
    const std::int32_t b = FBites;
    if (FBitePicture != nullptr) {
        TAC8ImageData& bites = FBitePicture->Image();
        if (b == 1 || b == 2) picture.Blit(TPoint{0, 0}, bites, MakeBounds((b - 1) * kCookieWidth, 0, kCookieWidth, kCookieHeight));
        if (b == 3) picture.FillRect(picture.GetBounds(), kCookieKey);
        if (b >= 1 && b <= 3)
            picture.Blit(TPoint{0, 0}, bites, MakeBounds((b + 1) * kCookieWidth, 0, kCookieWidth, kCookieHeight));
    }
    view.Blit(TPoint{kEatenView.Left, kEatenView.Top}, picture, picture.GetBounds());
}

// --- Pictures ---

void TKitchenRoom::ReleaseGraphics(bool final) {
    if (final) {
        FWorkPicture.reset();
        for (auto& picture : FMachinePictures) picture.reset();
        for (auto& picture : FCoolingPictures) picture.reset();
    } else if (FWorkPicture != nullptr) {
        FWorkPicture->Release();
    }
    FBitePicture.reset();
    TWideRoom::ReleaseGraphics(final);
}
