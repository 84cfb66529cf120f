#include "rooms/train/train_room.h"

#include <algorithm>
#include <cstdlib>

#include "engine/graphics/ac8_image_data.h"
#include "foundation/stream.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/questions/gift_table.h"
#include "rooms/train/train_pictures.h"
#include "rooms/train/train_set.h"
#include "shell/room_world.h"
#include "shell/game_context.h"
#include "rooms/train/train_room_words.h"
#include "shell/room_words.h"
#include "shell/timer_codes.h"

namespace {

using namespace train_room_words;

// The palette: three columns by six rows of 32-px cells, at the room's top right.
constexpr TPoint kPaletteOrigin{405, 1};
constexpr std::int32_t kPaletteCell = 32;
constexpr TRect kPageOne{0, 0, 98, 194};
constexpr TRect kPageTwo{98, 0, 196, 194};
constexpr TRect kSceneryWell{471, 163, 501, 193};
constexpr TRect kEmptyWellOne{66, 162, 96, 192};
constexpr TRect kEmptyWellTwo{164, 162, 194, 192};
constexpr std::uint8_t kSelectionColour = 227;
constexpr std::uint8_t kPaletteColour = 38;
// The outline on a switch lever while the mouse is on it.
constexpr std::uint8_t kSpringOutline = 57;
constexpr std::uint8_t kLeverOutline = 10;
constexpr TRect kCursorFrame{150, 375, 225, 450};

constexpr std::int32_t kBlinkTicks = 10;
constexpr std::int32_t kFirstAnimateTicks = 10;
constexpr std::int32_t kWhistleSounds[2] = {16, 74};
constexpr std::int32_t kPlacingStep = 5;

// Wave play: the load flag and the play modes of the running loop, the whistles and the crash.
constexpr std::uint8_t kLoadOnce = 1;
constexpr std::uint32_t kRunningMode = 15;
constexpr std::uint32_t kWhistleMode = 2;
constexpr std::uint32_t kCrashMode = 24;

// Engine frame sets: on the shelf, blinking while placed, on the table, in the workshop.
constexpr std::int16_t kEngineOnShelf = 0;
constexpr std::int16_t kEngineBlink = 1;
constexpr std::int16_t kEngineOnTable = 2;
constexpr std::int16_t kEngineAway = 3;
constexpr std::int16_t kKnobOff = 5;

std::uint8_t AnimateTimer(int engine) {
    return static_cast<std::uint8_t>(TimerCodeValue(TTimerCode::AnimateFirst) + engine - 1);
}

std::string Numbered(std::string_view word, int n) { return std::string(word) + static_cast<char>('0' + n); }

// A speed knob's half by its sign and engine: "+1KNB", "-2KNB".
std::string KnobBox(char sign, int engine) {
    return std::string{sign, static_cast<char>('0' + engine)} + std::string(kKnobBoxEnd);
}

// The engine number at the end of a box's name ("ENG1", "CAR2"), 0 for any other.
int EngineNumberOf(const std::string& sender, std::string_view prefix) {
    if (sender.size() != prefix.size() + 1 || sender.compare(0, prefix.size(), prefix) != 0) return 0;
    const char digit = sender.back();
    return digit == '1' || digit == '2' ? digit - '0' : 0;
}

std::int32_t FloorDiv(std::int32_t a, std::int32_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

TTrainRoom::TTrainRoom(std::string_view name) : TRoom(name) {
    Flags |= kRoomSnapEnabled | kRoomWrapEnabled;
    FLayout.SetEvents(this);
    ResetLayout();
}

TTrainRoom::~TTrainRoom() = default;

// --- Saved game ---

void TTrainRoom::ReadData(TStream& s) {
    // Read whole before anything changes, so a damaged record leaves the table as it was.
    TTrainCells cells{};
    for (auto& column : cells)
        for (TTrainCell& cell : column) cell = ReadTrainCell(s);
    FLayout.Cells() = cells;
    // Engines, cars and pending flips are not kept: after loading both engines are on the shelf.
    for (int engine = 1; engine <= 2; ++engine) SendTrain(engine, kOnShelf, true);
}

void TTrainRoom::WriteData(TStream& s) {
    for (const auto& column : FLayout.Cells())
        for (const TTrainCell& cell : column) WriteTrainCell(s, cell);
}

// --- Entering and leaving ---

void TTrainRoom::Enter(const std::string& fromRoom) {
    TRoom::Enter(fromRoom);
    FindNodeOrFail<THitBox>(HitBoxes(), kLayoutBox).Hover = true;
    Pictures();
    FCursor = TPoint{-1, -1};
    FLeverHover = false;
    for (int engine = 1; engine <= 2; ++engine) {
        const TTrainEngine& e = FLayout.Record(engine);
        FindFrameSetOrFail(FrameSets(), Numbered(kKnobPrefix, engine)).CurrentFrame =
            static_cast<std::int16_t>(e.State == kOnLayout ? e.Speed + 2 : kKnobOff);
        if (e.Speed != 0) AddTimer(AnimateTimer(engine), kFirstAnimateTicks);
    }
    UpdateRunningSound();
    AddTimer(TTimerCode::Whistle1, Random(300) + 100);
    AddTimer(TTimerCode::Whistle2, Random(300) + 100);
    UpdateBoxes();
}

void TTrainRoom::Leave() {
    StopCurrentSound();
    UnloadAllSounds();
    if (THitBox* layout = FindHitBox(kLayoutBox)) layout->Hover = false;
    TRoom::Leave();
    // Off screen now, so the shelf's frames change without drawing: a crashed engine goes to
    // the workshop, and one still being placed back to the shelf (only its tile goes: it never
    // stood on the table).
    for (int engine = 1; engine <= 2; ++engine)
        if (FLayout.Record(engine).State == kCrashed) SendTrain(engine, kInWorkshop, false);
    FLayout.ForgetCrashWhenNoneCrashed();
    if (FPlacing != 0) {
        SendTrain(FPlacing, kOnShelf, false);
        FLayout.Record(FPlacing).TileX = FLayout.Record(FPlacing).TileY = -1;
        FPlacing = 0;
    }
}

void TTrainRoom::ReleaseGraphics(bool final) {
    if (FPictures) {
        if (final)
            FPictures.reset();
        else
            FPictures->Release();
    }
    TRoom::ReleaseGraphics(final);
}

TTrainPictures& TTrainRoom::Pictures() {
    if (!FPictures) FPictures = std::make_unique<TTrainPictures>(GetWorld()->GetImageLibrary(), false);
    return *FPictures;
}

// --- The workshop's questions ---

std::uint8_t TTrainRoom::TerrainOfFirstCell() const { return FLayout.Cell(0, 0).Terrain; }

int TTrainRoom::EngineInWorkshop() const {
    if (FLayout.Record(1).State == kInWorkshop) return 1;
    if (FLayout.Record(2).State == kInWorkshop) return 2;
    return 0;
}

void TTrainRoom::ReturnEngine(int engine) {
    if ((engine != 1 && engine != 2) || FLayout.Record(engine).State != kInWorkshop) engine = EngineInWorkshop();
    if (engine == 0) return;
    SendTrain(engine, kOnShelf, true);
    if (FindHitBox(Numbered(kEnginePrefix, 1)) != nullptr) UpdateBoxes();
}

// --- Reset ---

void TTrainRoom::ResetLayout() {
    FPage = 1;
    for (auto& column : FLayout.Cells()) column.fill(TTrainCell{});
    FScenery = {1, 2};
    // An engine away in the workshop exists once: it stays there.
    for (int engine = 1; engine <= 2; ++engine)
        SendTrain(engine, FLayout.Record(engine).State == kInWorkshop ? kInWorkshop : kOnShelf, true);
    FLayout.ForgetCrashWhenNoneCrashed();
    FPlacing = 0;
    // Only the room shown plays its sounds: after a WRAP the wrapping table is shown already.
    if (IsOnScreen()) UpdateRunningSound();
    if (TFrameSet* palette = FrameSets().FindFrameSet(kPaletteSwitch)) palette->CurrentFrame = 0;
    FSelected = TPoint{0, 0};
}

// --- Helpers ---

void TTrainRoom::ShowShelfFrame(std::string_view frameSet, std::int16_t frame) {
    TFrameSet* set = FrameSets().FindFrameSet(frameSet);
    if (set != nullptr && set->CurrentFrame != frame) SetFrame(*set, frame);
}

void TTrainRoom::SendTrain(int engine, std::uint8_t state, bool offTable) {
    FLayout.SendTrain(engine, state, offTable);
    ShowShelfFrame(Numbered(kEnginePrefix, engine), state == kInWorkshop ? kEngineAway : kEngineOnShelf);
    if (offTable) ShowShelfFrame(Numbered(kCarPrefix, engine), 0);
}

void TTrainRoom::UpdateBoxes() {
    for (int engine = 1; engine <= 2; ++engine) {
        const TTrainEngine& e = FLayout.Record(engine);
        const bool onTable = e.State == kOnLayout;
        FindNodeOrFail<THitBox>(HitBoxes(), KnobBox('+', engine)).SetEnabled(onTable && e.Speed < 2);
        FindNodeOrFail<THitBox>(HitBoxes(), KnobBox('-', engine)).SetEnabled(onTable && e.Speed >= -1);
        FindNodeOrFail<THitBox>(HitBoxes(), Numbered(kEnginePrefix, engine)).SetEnabled(e.State != kInWorkshop);
        FindNodeOrFail<THitBox>(HitBoxes(), Numbered(kCarPrefix, engine)).SetEnabled(onTable);
    }
    if (GetWorld() != nullptr) GetWorld()->RequestCursorRefresh();
}

void TTrainRoom::UpdateRunningSound() {
    const std::int32_t sound = FLayout.RunningSound();
    if (sound == 0)
        StopCurrentSound();
    else
        PlaySoundEx(sound, kLoadOnce, kRunningMode, true);
}

void TTrainRoom::QueueAnimate(int engine) {
    RemoveTimer(AnimateTimer(engine));
    const int speed = std::abs(FLayout.Record(engine).Speed);
    if (speed != 0) AddTimer(AnimateTimer(engine), 3 - speed);
}

// --- Events of the model ---

void TTrainRoom::SpeedChanged(int engine) {
    const TTrainEngine& e = FLayout.Record(engine);
    SetFrame(Numbered(kKnobPrefix, engine), static_cast<std::int16_t>(e.State == kOnLayout ? e.Speed + 2 : kKnobOff));
    UpdateBoxes();
}

void TTrainRoom::Crashed(int) {
    UpdateRunningSound();
    PlaySoundEx(kCrashSound, kLoadOnce, kCrashMode, false);
    UpdateBoxes();
}

void TTrainRoom::EraseEngine(int engine) {
    TAC8ImageData* view = ShownView();
    TTrainEngine& e = FLayout.Record(engine);
    if (view == nullptr || !e.OnTable()) return;
    TRect area = FLayout.EngineBounds(engine);
    if (e.CarAttached && FLayout.Record(engine + 2).OnTable())
        area = UnionRects(area, FLayout.EngineBounds(engine + 2));
    e.Erasing = true;
    try {
        RedrawOverlaysRect(view, area);
    } catch (...) {
        e.Erasing = false;
        throw;
    }
    e.Erasing = false;
}

void TTrainRoom::DrawEngine(int engine) {
    if (TAC8ImageData* view = ShownView()) DrawEngineOn(*view, engine);
}

void TTrainRoom::DrawEngineOn(TAC8ImageData& view, int engine) {
    const TTrainEngine& e = FLayout.Record(engine);
    if (!e.OnTable()) return;
    if (e.State != kBeingPlaced && e.State != kOnLayout && e.State != kCrashed) return;
    const int car = engine + 2;
    if (e.CarAttached && FLayout.Record(car).OnTable())
        DrawTrainSprite(view, Pictures(), car, FLayout.EnginePosition(car), FLayout.EngineDirection(car));
    DrawTrainSprite(view, Pictures(), engine, FLayout.EnginePosition(engine), FLayout.EngineDirection(engine));
}

// --- Words ---

void TTrainRoom::RunScript(const std::string& script, const std::string& sender) {
    if (sender == kSwitchPage) {
        SwitchPage();
    } else if (script == kEngineScript && EngineNumberOf(sender, kEnginePrefix) != 0) {
        EngineClicked(EngineNumberOf(sender, kEnginePrefix));
    } else if (sender == kPlacingTimer) {
        Blink();
    } else if (sender == kWhistle1Timer) {
        Whistle(1);
    } else if (sender == kWhistle2Timer) {
        Whistle(2);
    } else if (script == kCarScript && EngineNumberOf(sender, kCarPrefix) != 0) {
        CarClicked(EngineNumberOf(sender, kCarPrefix));
    } else if (script == kKnobScript && sender.size() == 2 + kKnobBoxEnd.size() &&
               (sender[0] == '+' || sender[0] == '-') &&
               (sender[1] == '1' || sender[1] == '2') && sender.compare(2, kKnobBoxEnd.size(), kKnobBoxEnd) == 0) {
        KnobClicked(sender);
    } else if (script == kAnimateScript && (sender == "1" || sender == "2")) {
        Animate(sender[0] - '0');
    } else if (sender == kWrap) {
        Wrap();
    } else if (sender == kSnap) {
        Snap();
        RunScript("", std::string(room_words::kSnapFlash));
    } else if (script == room_words::kFocus && sender == kFocusGained) {
        UpdateRunningSound();
    } else if (sender == room_words::kTutor) {
        World().GoRoom(kHelpPage);
    } else {
        TRoom::RunScript(script, sender);
    }
}

void TTrainRoom::SwitchPage() {
    CancelPlacing(true);
    TFrameSet& palette = FindFrameSetOrFail(FrameSets(), kPaletteSwitch);
    SetFrame(kPaletteSwitch, static_cast<std::int16_t>(palette.CurrentFrame == 1 ? 0 : 1));
    FPage = palette.CurrentFrame == 1 ? 2 : 1;
    if (TAC8ImageData* view = ShownView()) DrawPalette(*view);
}

void TTrainRoom::EngineClicked(int engine) {
    TTrainEngine& e = FLayout.Record(engine);
    switch (e.State) {
        case kOnShelf:
            CancelPlacing(true);
            e.State = kBeingPlaced;
            FPlacing = engine;
            e.TileX = e.TileY = -1;
            SetFrame(Numbered(kEnginePrefix, engine), kEngineBlink);
            AddTimer(TTimerCode::Placing, kBlinkTicks);
            break;
        case kBeingPlaced:
            CancelPlacing(true);
            break;
        case kOnLayout:
            TakeOffLayout(engine);
            break;
        case kCrashed:
            EraseEngine(engine);
            SendTrain(engine, kInWorkshop, false);
            FLayout.ForgetCrashWhenNoneCrashed();
            UpdateBoxes();
            break;
        default:
            break;
    }
}

void TTrainRoom::Blink() {
    if (FPlacing == 0) return;
    TFrameSet& set = FindFrameSetOrFail(FrameSets(), Numbered(kEnginePrefix, FPlacing));
    SetFrame(set.GetID(), static_cast<std::int16_t>(3 - set.CurrentFrame));
    AddTimer(TTimerCode::Placing, kBlinkTicks);
}

void TTrainRoom::Whistle(int engine) {
    if (FLayout.Record(engine).Speed != 0) PlaySoundEx(kWhistleSounds[engine - 1], kLoadOnce, kWhistleMode, false);
    AddTimer(engine == 1 ? TTimerCode::Whistle1 : TTimerCode::Whistle2, Random(300) + 300);
}

void TTrainRoom::CancelPlacing(bool removeEngine) {
    if (FPlacing != 0 && removeEngine) TakeOffLayout(FPlacing);
    RemoveTimer(TTimerCode::Placing);
    FPlacing = 0;
}

void TTrainRoom::TakeOffLayout(int engine) {
    TTrainEngine& e = FLayout.Record(engine);
    if (e.State != kBeingPlaced && e.State != kOnLayout) return;
    EraseEngine(engine);
    const bool moving = e.Speed != 0;
    SendTrain(engine, kOnShelf, true);
    // Also a standing engine's knob goes to its off position.
    FLayout.SetSpeed(engine, 0);
    if (moving) UpdateRunningSound();
    UpdateBoxes();
}

void TTrainRoom::CarClicked(int engine) {
    TTrainEngine& e = FLayout.Record(engine);
    TFrameSet& carSet = FindFrameSetOrFail(FrameSets(), Numbered(kCarPrefix, engine));
    if (carSet.CurrentFrame != 0) {
        EraseEngine(engine);
        e.CarAttached = false;
        DrawEngine(engine);
    } else if (e.State == kOnLayout) {
        e.CarAttached = true;
        TTrainEngine& car = FLayout.Record(engine + 2);
        car = e;
        car.CarAttached = false;
        car.IsCar = true;
        car.Speed = -1;
        const std::int8_t speed = e.Speed;
        if (FLayout.MoveEngine(engine + 2, 6)) {
            car.Speed = speed;
            DrawEngine(engine);
        } else {
            // No room behind the engine: the car stays off, and the engine, turned back by
            // the car's refusal, must move at the speed its knob now shows.
            e.CarAttached = false;
            car.TileX = car.TileY = -1;
            if (e.Speed != 0 && FindTimer(AnimateTimer(engine)) == nullptr) QueueAnimate(engine);
            UpdateRunningSound();
        }
    }
    SetFrame(carSet.GetID(), static_cast<std::int16_t>(e.CarAttached ? 1 : 0));
}

void TTrainRoom::KnobClicked(const std::string& sender) {
    CancelPlacing(true);
    const int delta = sender[0] == '+' ? 1 : -1;
    const int engine = sender[1] - '0';
    const int other = 3 - engine;
    const int before = FLayout.Record(engine).Speed;
    const int speed = std::clamp(before + delta, -2, 2);
    FLayout.SetSpeed(engine, static_cast<std::int8_t>(speed));
    QueueAnimate(engine);
    const int otherSpeed = FLayout.Record(other).Speed;
    if ((World().GetFlags() & kWorldShiftDown) != 0 && otherSpeed + delta == speed && speed != before) {
        FLayout.SetSpeed(other, static_cast<std::int8_t>(speed));
        QueueAnimate(other);
    }
    UpdateRunningSound();
}

void TTrainRoom::Animate(int engine) {
    if ((World().GetFlags() & kWorldIdle) == 0) {
        AddTimer(AnimateTimer(engine), 1);
        return;
    }
    if (FLayout.Record(engine).State != kOnLayout) return;
    EraseEngine(engine);
    FLayout.StepTrain(engine);
    DrawEngine(engine);
    FLayout.CheckCollision(Context().RandomNumbers());
    RedrawPendingFlips();
    if (FLayout.Record(engine).State == kOnLayout && FLayout.Record(engine).Speed != 0) QueueAnimate(engine);
}

void TTrainRoom::RedrawPendingFlips() {
    for (std::int32_t x = 0; x < kLayoutColumns; ++x)
        for (std::int32_t y = 0; y < kLayoutRows; ++y) {
            if (FLayout.CompleteFlip(x, y)) RedrawTile(x, y);
        }
}

void TTrainRoom::Wrap() {
    CancelPlacing(true);
    if (WrapAsGift(World(), kTrainGift, 0)) ResetLayout();
}

void TTrainRoom::Snap() { HandSnapshotToAlbum(World(), MakeTrainSet(FLayout), kTrainSnapshotKind); }

// --- Mouse ---

bool TTrainRoom::ControlEvent(TControlBox& box, TControlEventKind kind) {
    if (kind == TControlEventKind::Tick) return false;
    if (box.GetID() == kPaletteBox) return PaletteEvent(box, kind);
    if (box.GetID() == kLayoutBox) return LayoutEvent(box, kind);
    return false;
}

bool TTrainRoom::PaletteEvent(TControlBox& box, TControlEventKind kind) {
    CancelPlacing(true);
    if (kind != TControlEventKind::Down) return false;
    const TPoint p = box.EventPoint;
    const TPoint cell{FloorDiv(p.X, kPaletteCell), FloorDiv(p.Y, kPaletteCell)};
    TAC8ImageData* view = ShownView();
    if (p.X >= 0 && p.X < 3 * kPaletteCell && p.Y >= 0 && cell.Y < kPieceRows && !(cell == FSelected)) {
        if (view != nullptr) DrawSelection(*view, kPaletteColour);
        FSelected = cell;
        if (view != nullptr) DrawSelection(*view, kSelectionColour);
    } else if (cell == FSelected && cell == TPoint{kGroundColumn, kGroundRow}) {
        std::uint8_t& item = FScenery[FPage == 2 ? 1 : 0];
        item = static_cast<std::uint8_t>((item + 1) % (kSceneryItems + 1));
        if (view != nullptr) {
            DrawSceneryWell(*view);
            DrawSelection(*view, kSelectionColour);
        }
    }
    return false;
}

bool TTrainRoom::LeverUnder(TPoint inTile) const {
    return OnLayout(FCursor.X, FCursor.Y) && FLayout.Cell(FCursor.X, FCursor.Y).IsSwitch() && OnLever(inTile);
}

bool TTrainRoom::LayoutEvent(TControlBox& box, TControlEventKind kind) {
    const TPoint p = box.EventPoint;
    const TPoint previous = FCursor;
    FCursor = TPoint{FloorDiv(p.X, kTileSize), FloorDiv(p.Y, kTileSize)};
    const bool onTable = OnLayout(FCursor.X, FCursor.Y);
    const TPoint inTile{p.X - kTileSize * FCursor.X, p.Y - kTileSize * FCursor.Y};
    FLeverHover = LeverUnder(inTile);
    const bool moved = !(previous == FCursor);

    if ((kind == TControlEventKind::Enter || kind == TControlEventKind::Drag) && FPlacing != 0) {
        TTrainEngine& e = FLayout.Record(FPlacing);
        EraseEngine(FPlacing);
        const auto shape = onTable ? FLayout.PlacingShape(FCursor.X, FCursor.Y, inTile.X > 36, inTile.Y > 36)
                                   : std::nullopt;
        if (shape) {
            e.Shape = *shape;
            e.Step = kPlacingStep;
            e.FirstStep = 1;
            e.LastStep = Shape(*shape).Count;
            e.TileX = FCursor.X;
            e.TileY = FCursor.Y;
            e.CarAttached = false;
        } else {
            e.TileX = -1;
        }
    }
    // The cursor frame leaves the tile the mouse left.
    if (moved) RedrawTile(previous.X, previous.Y);

    if (kind == TControlEventKind::Down && onTable) {
        if (FPlacing != 0) {
            const int engine = FPlacing;
            TTrainEngine& e = FLayout.Record(engine);
            if (e.TileX == FCursor.X && e.TileY == FCursor.Y) {
                e.State = kOnLayout;
                FLayout.SetSpeed(engine, 0);
                SetFrame(Numbered(kEnginePrefix, engine), kEngineOnTable);
                CancelPlacing(false);
                UpdateBoxes();
            } else {
                CancelPlacing(true);
            }
        } else if (FLayout.EnginesOnTile(FCursor.X, FCursor.Y) == 0) {
            TTrainCell& target = FLayout.Cell(FCursor.X, FCursor.Y);
            if (target.IsSwitch() && FLeverHover) {
                if ((World().GetFlags() & kWorldShiftDown) != 0)
                    target.Spring = !target.Spring;
                else
                    target.Throw();
            } else {
                target.Terrain = static_cast<std::uint8_t>(FPage);
                target.Column = static_cast<std::uint8_t>(FSelected.X);
                target.Row = static_cast<std::uint8_t>(FSelected.Y);
                target.Spring = target.IsSwitch();
                target.FlipPending = false;
                target.Setting = target.IsGround() ? SceneryItem(FPage) : 0;
            }
            // A ground tile's borders follow its neighbours.
            for (std::int32_t dx = -1; dx <= 1; ++dx)
                for (std::int32_t dy = -1; dy <= 1; ++dy)
                    if (dx != 0 || dy != 0) RedrawTile(FCursor.X + dx, FCursor.Y + dy);
            FLeverHover = LeverUnder(inTile);
        }
    }
    RedrawTile(FCursor.X, FCursor.Y);
    return onTable && p.X >= 0 && p.Y >= 0;
}

// --- Drawing ---

void TTrainRoom::DrawOverlays(TAC8ImageData* view) {
    TRoom::DrawOverlays(view);
    if (view == nullptr) return;
    DrawPalette(*view);
    for (std::int32_t x = 0; x < kLayoutColumns; ++x)
        for (std::int32_t y = 0; y < kLayoutRows; ++y) DrawCell(*view, x, y);
}

void TTrainRoom::DrawPalette(TAC8ImageData& view) {
    view.Blit(kPaletteOrigin, Pictures().Palette(), FPage == 2 ? kPageTwo : kPageOne);
    if (SceneryItem(FPage) != 0) DrawSceneryWell(view);
    DrawSelection(view, kSelectionColour);
}

void TTrainRoom::DrawSceneryWell(TAC8ImageData& view) {
    const std::uint8_t item = SceneryItem(FPage);
    const TPoint at{kSceneryWell.Left, kSceneryWell.Top};
    if (item == 0 || FPage == 2) view.Blit(at, Pictures().Palette(), FPage == 2 ? kEmptyWellTwo : kEmptyWellOne);
    if (item != 0)
        view.StretchBlit(kSceneryWell, Pictures().Scenery(FPage), MakeBounds(0, kTileSize * (item - 1), kTileSize, kTileSize));
}

void TTrainRoom::DrawSelection(TAC8ImageData& view, std::uint8_t colour) {
    const std::int32_t x = kPaletteOrigin.X + kPaletteCell * FSelected.X;
    const std::int32_t y = kPaletteOrigin.Y + kPaletteCell * FSelected.Y;
    view.FrameRect(MakeBounds(x, y, kPaletteCell + 2, kPaletteCell + 2), colour);
    view.FrameRect(MakeBounds(x + 1, y + 1, kPaletteCell, kPaletteCell), colour);
}

void TTrainRoom::DrawCell(TAC8ImageData& view, std::int32_t x, std::int32_t y) {
    if (!OnLayout(x, y)) return;
    const TRect tile = TileRect(x, y);
    if (IsRectEmpty(IntersectRects(tile, view.ClipRect()))) return;
    // Whatever took a train off the tile, its spring switch flips before the tile is drawn.
    FLayout.CompleteFlip(x, y);
    const TTrainCell& cell = FLayout.Cell(x, y);
    DrawTrainCell(view, Pictures(), FLayout.Cells(), x, y);
    if (FCursor == TPoint{x, y}) {
        if (FLeverHover)
            view.FrameRect(MakeBounds(tile.Left + kLeverInset, tile.Top + kLeverInset, kLeverSize, kLeverSize),
                           cell.Spring ? kSpringOutline : kLeverOutline);
        else
            view.Blit(TPoint{tile.Left, tile.Top}, Pictures().Track(), kCursorFrame);
    }
    for (int engine = 1; engine <= 2; ++engine) {
        if (FLayout.Record(engine).Erasing) continue;
        if ((FLayout.EnginesOnTile(x, y) & engine) != 0) DrawEngineOn(view, engine);
    }
}

void TTrainRoom::RedrawTile(std::int32_t x, std::int32_t y) {
    TAC8ImageData* view = ShownView();
    if (view == nullptr || !OnLayout(x, y)) return;
    const TRect before = view->ClipRect();
    if (view->SetClipRect(IntersectRects(before, TileRect(x, y)))) {
        try {
            DrawCell(*view, x, y);
        } catch (...) {
            view->SetClipRect(before);
            throw;
        }
    }
    view->SetClipRect(before);
}
