#include "workshop_room.h"

#include <bitset>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/hot_image.h"
#include "rooms/questions/jukebox_idle.h"
#include "rooms/questions/train_engines.h"
#include "shell/hit_box.h"
#include "shell/music_ended.h"
#include "shell/room_words.h"
#include "shell/room_world.h"
#include "shell/game_context.h"
#include "shell/timer_codes.h"
#include "work_table.h"
#include "workshop_words.h"

namespace {

constexpr std::int32_t kWorkshopWidth = 912;

// What each toy is and does, by toy number - 1.
enum class TToyPlay : std::uint8_t { Song, Radio, Jukebox, Once, Slate, Engine };
struct TToyFacts {
    std::uint8_t Place;
    std::int16_t FrameLimit;
    std::uint8_t Tool;
    std::int32_t AnimationTicks;
    TToyPlay Play;
    std::int32_t Song;    // the song of a singing toy, else 0
    std::int32_t Engine;  // the train engine (1 or 2) a mended engine toy goes back as, else 0
};
constexpr std::array<TToyFacts, kWorkshopToys> kToyFacts{{
    {1, 8, 2, 4, TToyPlay::Song, 10, 0},
    {1, 2, 3, 8, TToyPlay::Song, 17, 0},
    {2, 3, 4, 3, TToyPlay::Song, 11, 0},
    {2, 2, 2, 5, TToyPlay::Radio, 0, 0},
    {3, 1, 3, 10, TToyPlay::Jukebox, 0, 0},
    {3, 2, 2, 10, TToyPlay::Song, 4, 0},
    {3, 3, 1, 6, TToyPlay::Once, 0, 0},
    {5, 1, 1, 10, TToyPlay::Slate, 0, 0},
    {5, 3, 4, 10, TToyPlay::Song, 12, 0},
    {4, 3, 3, 10, TToyPlay::Engine, 0, 1},
    {4, 2, 1, 10, TToyPlay::Engine, 0, 2},
}};
const TToyFacts& Facts(int toy) { return kToyFacts[static_cast<std::size_t>(toy - 1)]; }

constexpr int kRadio = 4;
constexpr int kJukebox = 5;
constexpr int kClock = 7;
constexpr int kSlate = 8;
constexpr int kEngine1 = 10;
constexpr int kEngine2 = 11;
constexpr int kFirstEngineToy = 9;  // engine n is toy n + 9

// Sounds.
constexpr std::int32_t kRepairedSound = 75;
constexpr std::int32_t kRadioSound = 24;
constexpr std::int32_t kRadioSoundEnd = 25;  // the radio's sound as its end is reported
constexpr std::int32_t kClockSound = 15;
constexpr std::int32_t kEngine1Whistle = 16;
constexpr std::int32_t kEngine2Whistle = 74;
constexpr std::int32_t kComplaintSoundBase = 62;  // toy k complains with sound k + 62

// Timer delays, in ticks.
constexpr std::int32_t kSlateBlink = 3;
constexpr std::int32_t kComplaintLasts = 6;
constexpr std::int32_t kRadioFirstFlash = 8;
constexpr std::int32_t kRadioFlash = 7;
constexpr std::int32_t kRadioTune = 5;

// Cursors: tool n shows cursor n + 21; a toy box shows the hand without a tool.
constexpr std::int16_t kToolCursorBase = 21;
constexpr std::int16_t kActionCursor = 1;

// Frames of a tool: not shown (in the hand), lying in its open drawer, highlighted.
constexpr std::int16_t kToolInHand = 0;
constexpr std::int16_t kToolInDrawer = 1;
constexpr std::int16_t kToolHinted = 2;

// The closed drawers, drawn from "wsgfx" over the drawer frame sets: where, and the
// rectangles of the normal and the hinted look.
struct TDrawerFront {
    TPoint At;
    TRect Normal;
    TRect Hinted;
};
constexpr std::array<TDrawerFront, kWorkshopTools> kDrawerFronts{{
    {{563, 108}, {0, 0, 29, 27}, {0, 39, 29, 66}},
    {{664, 107}, {29, 0, 64, 33}, {29, 39, 64, 72}},
    {{562, 162}, {64, 0, 94, 25}, {64, 39, 94, 64}},
    {{660, 172}, {94, 0, 134, 39}, {94, 39, 134, 78}},
}};

std::string Numbered(char letter, int n) { return letter + std::to_string(n); }

// The number 1..last that the last character of a word stands for, else 0.
int LastDigit(const std::string& word, int last) {
    if (word.empty()) return 0;
    const char c = word.back();
    if (c < '1' || c > '0' + last) return 0;
    return c - '0';
}

// A toy box is named with "R" as its fifth character and the toy's number as its sixth and
// (for toys from 10 on) seventh; 0 for any other name or a number outside 1..11.
int ToyOfBoxName(const std::string& id) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (id.size() < 6 || id[4] != 'R' || !digit(id[5])) return 0;
    if (id.size() > 7 || (id.size() == 7 && !digit(id[6]))) return 0;
    const int toy = std::stoi(id.substr(5));
    return toy >= 1 && toy <= kWorkshopToys ? toy : 0;
}

std::uint8_t AnimateTimer(int toy) {
    return static_cast<std::uint8_t>(TimerCodeValue(TTimerCode::AnimateFirst) + toy - 1);
}

}  // namespace

TWorkshopRoom::TWorkshopRoom(std::string_view name) : TWideRoom(name) {
    SetAuxImageName("wsgfx");
    Width = kWorkshopWidth;
}

TWorkshopRoom::~TWorkshopRoom() = default;

int TWorkshopRoom::ToolOf(int toy) { return toy >= 1 && toy <= kWorkshopToys ? Facts(toy).Tool : 0; }
int TWorkshopRoom::PlaceOf(int toy) { return toy >= 1 && toy <= kWorkshopToys ? Facts(toy).Place : 0; }
std::int16_t TWorkshopRoom::FrameLimitOf(int toy) {
    return toy >= 1 && toy <= kWorkshopToys ? Facts(toy).FrameLimit : 0;
}

int TWorkshopRoom::ShelfToy(int place) const {
    return place >= 1 && place <= kShelfPlaces ? FShelf[static_cast<std::size_t>(place - 1)] : 0;
}

bool TWorkshopRoom::ToyRepaired(int toy) const { return toy >= 1 && toy <= kWorkshopToys && Toy(toy).Repaired; }

bool TWorkshopRoom::ToyWindingDown(int toy) const {
    return toy >= 1 && toy <= kWorkshopToys && Toy(toy).WindingDown;
}

bool TWorkshopRoom::DrawerHinted(int tool) const {
    return tool >= 1 && tool <= kWorkshopTools && FDrawerHint[static_cast<std::size_t>(tool - 1)];
}

bool TWorkshopRoom::ToyWaitingBroken(int toy) const {
    if (!FToysInitialised || toy < 1 || toy > kWorkshopToys) return false;
    return ShelfToy(Facts(toy).Place) == toy && !Toy(toy).Repaired;
}

// --- Entering and leaving ---

void TWorkshopRoom::Enter(const std::string& fromRoom) {
    TWideRoom::Enter(fromRoom);
    if (!FToysInitialised) InitialiseToys();
    FillShelves();
    CreateHeldPictures();
    PutToolBack();
    TFrameSet& layout = FindFrameSetOrFail(FrameSets(), workshop_words::kLayout);
    const std::uint8_t terrain = TerrainOfFirstCell(World());
    layout.SetFrame(nullptr, terrain < layout.GetFrameCount() ? terrain : 0, false);
    UpdateScrollButtons();
}

void TWorkshopRoom::InitialiseToys() {
    for (int toy = 1; toy <= kWorkshopToys; ++toy) {
        TToy& record = Toy(toy);
        record.FrameSet = &FindFrameSetOrFail(FrameSets(), Numbered('R', toy));
        record.FrameSet->Visible = false;
        record.Repaired = false;
        record.WindingDown = false;
    }
    for (THitBox* box : HitBoxes()) {
        const int toy = ToyOfBoxName(box->GetID());
        auto* control = dynamic_cast<TControlBox*>(box);
        if (toy == 0 || control == nullptr) continue;
        Toy(toy).Box = control;
        control->SetEnabled(false);
        control->Hover = true;
    }
    // Every toy needs its box: one missing from the script is the "NIL pointer" fault here,
    // not a dereference of nothing later.
    for (const TToy& record : FToys)
        if (record.Box == nullptr) RaiseGameError(GameStringNilPointer);
    FToysInitialised = true;
}

void TWorkshopRoom::CreateHeldPictures() {
    TAC8Library* library = World().GetImageLibrary();
    auto hold = [library](std::unique_ptr<THotImage>& picture, const char* name) {
        if (!picture) picture = std::make_unique<THotImage>(AC8ImageName(name), false, library);
    };
    hold(FPuzzlePicture, "wpuzgfx");
    hold(FDollPicture, "wdollgfx");
    hold(FCardGamePicture, "wconcgfx");
    hold(FCardPicture, "wcardgfx");
}

void TWorkshopRoom::ReleaseGraphics(bool final) {
    for (std::unique_ptr<THotImage>* picture : {&FPuzzlePicture, &FDollPicture, &FCardGamePicture, &FCardPicture}) {
        if (final)
            picture->reset();
        else if (*picture)
            (*picture)->Release();
    }
    TWideRoom::ReleaseGraphics(final);
}

// --- The shelves ---

void TWorkshopRoom::TakeToyAway(int toy) {
    TToy& record = Toy(toy);
    record.FrameSet->Visible = false;
    record.Box->SetEnabled(false);
    const std::size_t place = Facts(toy).Place - 1u;
    if (FShelf[place] == toy) FShelf[place] = 0;
}

void TWorkshopRoom::PutToyOnShelf(int toy, int place) {
    const std::size_t at = static_cast<std::size_t>(place - 1);
    // An engine coming back for repair pushes the toy standing there off the shelf.
    if (FShelf[at] != 0 && FShelf[at] != toy) TakeToyAway(FShelf[at]);
    FShelf[at] = static_cast<std::uint8_t>(toy);
    TToy& record = Toy(toy);
    record.FrameSet->Visible = true;
    record.FrameSet->SetFrame(nullptr, Facts(toy).FrameLimit, false);
    record.Repaired = false;
    record.WindingDown = false;
    record.Box->SetEnabled(true);
    record.Box->SetCursor(kActionCursor);
}

void TWorkshopRoom::FillShelves() {
    std::bitset<kWorkshopToys + 1> takenAway;
    for (int place = 1; place <= kShelfPlaces; ++place) {
        const std::size_t at = static_cast<std::size_t>(place - 1);
        if (const int standing = FShelf[at]; standing != 0 && Toy(standing).Repaired) {
            if (standing == FPlayingToy) {
                SetToyRunning(standing);
            } else {
                TakeToyAway(standing);
                takenAway.set(static_cast<std::size_t>(standing));
            }
        }
        int considered = FShelf[at];
        if (place == 4 || (FShelf[at] == 0 && Random(10) < 7)) {
            int chosen = 0;
            switch (place) {
                case 1: chosen = Random(2) + 1; break;
                case 2: chosen = Random(2) + 3; break;
                case 3: chosen = Random(3) + 5; break;
                case 5: chosen = Random(2) + 8; break;
                default: {
                    const int engine = EngineInWorkshop(World());
                    if (engine == 1 || engine == 2) {
                        chosen = engine + kFirstEngineToy;
                        takenAway.reset(static_cast<std::size_t>(chosen));
                    }
                }
            }
            if (chosen != 0) {
                considered = chosen;
                const bool refused = (chosen == kJukebox && !JukeboxIdle(World())) ||
                                     (chosen == kRadio && (World().GetFlags() & kWorldLivingMusic) != 0);
                if (!refused && !takenAway.test(static_cast<std::size_t>(chosen))) PutToyOnShelf(chosen, place);
            }
        }
        if (considered == kSlate) AddTimer(TTimerCode::Slate, kSlateBlink);
    }
}

// --- Toys ---

int TWorkshopRoom::ToyOfBox(const THitBox& box) const {
    for (int toy = 1; toy <= kWorkshopToys; ++toy)
        if (Toy(toy).Box == &box) return toy;
    return 0;
}

void TWorkshopRoom::ShowToyFrame(int toy, std::int16_t frame) { ShowFrame(*Toy(toy).FrameSet, frame); }

// A toy's animation timer runs only while the room is on screen: the end of a song reaches
// the workshop wherever the child is.
void TWorkshopRoom::SetToyRunning(int toy) {
    Toy(toy).WindingDown = false;
    RemoveTimer(AnimateTimer(toy));
    if (IsOnScreen()) AddTimer(AnimateTimer(toy), Facts(toy).AnimationTicks);
}

void TWorkshopRoom::SetToyWindingDown(int toy) {
    Toy(toy).WindingDown = true;
    RemoveTimer(AnimateTimer(toy));
    if (IsOnScreen()) AddTimer(AnimateTimer(toy), Facts(toy).AnimationTicks);
}

void TWorkshopRoom::ToyClicked(int toy) {
    TToy& record = Toy(toy);
    const TToyFacts& facts = Facts(toy);
    if (record.Repaired) {
        switch (facts.Play) {
            case TToyPlay::Song:
                MusicEnded(World(), 0);
                World().PlayMusic(facts.Song);
                SetToyRunning(toy);
                if (FPlayingToy != 0 && FPlayingToy != toy) SetToyWindingDown(FPlayingToy);
                FPlayingToy = toy;
                break;
            case TToyPlay::Radio:
                if (FindTimer(TTimerCode::RadioFlash) == nullptr) {
                    PlaySound(kRadioSound);
                    AddTimer(TTimerCode::RadioFlash, kRadioFirstFlash);
                }
                break;
            // The jukebox and the slate are rooms of their own; a house without one of them
            // leaves the toy sitting on its shelf.
            case TToyPlay::Jukebox:
                if (World().FindRoom(workshop_words::kJukeboxRoom) != nullptr)
                    World().GoRoom(workshop_words::kJukeboxRoom);
                break;
            case TToyPlay::Slate:
                if (World().FindRoom(workshop_words::kSlateRoom) != nullptr) World().GoRoom(workshop_words::kSlateRoom);
                break;
            case TToyPlay::Once:
            case TToyPlay::Engine:
                SetToyRunning(toy);
                break;
        }
        return;
    }
    if (FHeldTool == 0) return;
    if (FHeldTool == facts.Tool) {
        record.Repaired = true;
        PlaySound(kRepairedSound);
        if (facts.Play == TToyPlay::Engine) ReturnEngine(World(), facts.Engine);
        if (toy == kSlate) RemoveTimer(TTimerCode::Slate);
        ShowToyFrame(toy, 0);
        PutToolBack();
        record.Box->SetCursor(kActionCursor);
        UpdateScrollButtons();
        return;
    }
    PlaySound(toy + kComplaintSoundBase);
    if (toy != kSlate && record.FrameSet->CurrentFrame == facts.FrameLimit)
        ShowToyFrame(toy, static_cast<std::int16_t>(facts.FrameLimit + 1));
    if (toy != kRadio && toy != kEngine1) {
        RemoveTimer(TTimerCode::Delay);
        FComplainingToy = toy;
        AddTimer(TTimerCode::Delay, kComplaintLasts);
    }
}

void TWorkshopRoom::AnimateToy(int toy) {
    TToy& record = Toy(toy);
    const std::int16_t limit = Facts(toy).FrameLimit;
    const std::int16_t frame = record.FrameSet->CurrentFrame;
    const std::int16_t last = static_cast<std::int16_t>(record.FrameSet->GetFrameCount() - 1);
    bool goesOn = true;
    if (!record.WindingDown) {
        if (record.Repaired) {
            if (frame < limit - 1) {
                if (frame == 0 && toy == kEngine1) PlaySound(kEngine1Whistle);
                if (frame == 0 && toy == kEngine2) PlaySound(kEngine2Whistle);
                ShowToyFrame(toy, static_cast<std::int16_t>(frame + 1));
            } else if (toy == 1) {
                ShowToyFrame(toy, 4);
            } else if (toy == 3) {
                ShowToyFrame(toy, 1);
            } else if (toy == kClock) {
                PlaySound(kClockSound);
                record.WindingDown = true;
            } else if (toy == kEngine1 || toy == kEngine2) {
                record.WindingDown = true;
            } else {
                ShowToyFrame(toy, 0);
            }
        } else {
            ShowToyFrame(toy, frame < last ? static_cast<std::int16_t>(frame + 1) : limit);
        }
    } else if (record.Repaired) {
        if (frame > 0)
            ShowToyFrame(toy, static_cast<std::int16_t>(frame - 1));
        else
            goesOn = false;
    } else {
        if (frame > limit)
            ShowToyFrame(toy, static_cast<std::int16_t>(frame - 1));
        else
            goesOn = false;
    }
    if (goesOn && IsOnScreen()) AddTimer(AnimateTimer(toy), Facts(toy).AnimationTicks);
}

// --- Tools and drawers ---

void TWorkshopRoom::PutToolBack() {
    if (FHeldTool == 0) return;
    ShowFrame(Numbered('T', FHeldTool), kToolInDrawer);
    World().SetDefaultCursor(0);
    FHeldTool = 0;
    World().RequestCursorRefresh();
}

void TWorkshopRoom::ToggleDrawer(int drawer) {
    PutToolBack();
    const std::string name = Numbered('D', drawer);
    const std::int16_t open = FrameOf(name) == 0 ? 1 : 0;
    ShowFrame(name, open);
    ShowFrame(Numbered('T', drawer), open);
    if (open == 0) RedrawDrawerHint(drawer);
    UpdateScrollButtons();
}

void TWorkshopRoom::TakeTool(int tool) {
    if (tool == FHeldTool) {
        PutToolBack();
    } else {
        PutToolBack();
        World().SetDefaultCursor(static_cast<std::int16_t>(tool + kToolCursorBase));
        FHeldTool = tool;
        ShowFrame(Numbered('T', tool), kToolInHand);
        World().RequestCursorRefresh();
    }
    UpdateScrollButtons();
}

void TWorkshopRoom::HintTool(int tool, bool inside) {
    const std::string toolName = Numbered('T', tool);
    const std::int16_t frame = FrameOf(toolName);
    if (frame == kToolInHand) {
        bool& hinted = FDrawerHint[static_cast<std::size_t>(tool - 1)];
        if (hinted == inside) return;
        hinted = inside;
        RedrawDrawerHint(tool);
    } else {
        ShowFrame(toolName, inside ? kToolHinted : kToolInDrawer);
    }
}

void TWorkshopRoom::RedrawDrawerHint(int tool) {
    TAC8ImageData* view = ShownView();
    if (view == nullptr) return;
    const TDrawerFront& front = kDrawerFronts[static_cast<std::size_t>(tool - 1)];
    const TPoint at{front.At.X - ScrollOffset, front.At.Y};
    RedrawRect(view, TRect{at.X, at.Y, at.X + RectWidth(front.Normal), at.Y + RectHeight(front.Normal)});
}

void TWorkshopRoom::DrawDrawerHint(TAC8ImageData& view, int tool) const {
    if (AuxImage() == nullptr) return;
    const TDrawerFront& front = kDrawerFronts[static_cast<std::size_t>(tool - 1)];
    view.Blit(TPoint{front.At.X - ScrollOffset, front.At.Y}, *AuxImage(), DrawerHinted(tool) ? front.Hinted : front.Normal);
}

void TWorkshopRoom::UpdateScrollButtons() {
    TWideRoom::UpdateScrollButtons();
    for (THitBox* each : HitBoxes()) {
        THitBox& box = *each;
        if (auto* go = dynamic_cast<TGoBox*>(&box)) {
            // A door to a room the house does not have yet stays shut.
            go->SetEnabled(World().FindRoom(go->GetTarget()) != nullptr);
            continue;
        }
        auto* script = dynamic_cast<TRoomScriptBox*>(&box);
        if (script == nullptr || dynamic_cast<TControlBox*>(&box) != nullptr) continue;
        if (script->GetScript() == workshop_words::kPutToolBack) {
            box.SetEnabled(FHeldTool != 0);
        } else if (script->GetScript() == workshop_words::kTool) {
            const std::string& id = box.GetID();
            if (id.size() < 6) continue;
            const std::string toolName = id.substr(4, 2);
            if (toolName[0] != 'T' || LastDigit(toolName, kWorkshopTools) == 0) continue;
            const TFrameSet* tool = FrameSets().FindFrameSet(toolName);
            box.SetEnabled(tool != nullptr && tool->CurrentFrame != 0);
        }
    }
}

// --- Messages ---

void TWorkshopRoom::RunScript(const std::string& script, const std::string& sender) {
    if (script == room_words::kEndOfSound) {
        // The radio's tune ended: its flashing stops. The same sound ending elsewhere in the
        // house (a one-shot sound plays on after its room is left) must not make a broken
        // radio look mended.
        if (sender == std::to_string(kRadioSoundEnd) && FToysInitialised && Toy(kRadio).Repaired) {
            RemoveTimer(TTimerCode::RadioFlash);
            ShowToyFrame(kRadio, 0);
        }
    } else if (script == workshop_words::kDrawer) {
        if (const int drawer = LastDigit(sender, kWorkshopTools)) ToggleDrawer(drawer);
    } else if (script == workshop_words::kTool) {
        if (const int tool = LastDigit(sender, kWorkshopTools)) TakeTool(tool);
    } else if (script == workshop_words::kPutToolBack) {
        PutToolBack();
        UpdateScrollButtons();
    } else if (script == workshop_words::kAnimate) {
        const int toy = sender.size() <= 2 && !sender.empty() ? std::atoi(sender.c_str()) : 0;
        if (toy >= 1 && toy <= kWorkshopToys && FToysInitialised) AnimateToy(toy);
    } else if (sender == workshop_words::kMusicEnded) {
        if (FPlayingToy != 0) SetToyWindingDown(FPlayingToy);
        FPlayingToy = 0;
    } else if (sender == workshop_words::kRadioFlashTimer) {
        if (!FToysInitialised) return;
        ShowToyFrame(kRadio, Toy(kRadio).FrameSet->CurrentFrame == 0 ? 1 : 0);
        AddTimer(TTimerCode::RadioFlash, kRadioFlash);
    } else if (sender == workshop_words::kSlateTimer) {
        if (!FToysInitialised) return;
        const std::int16_t limit = Facts(kSlate).FrameLimit;
        const std::int16_t frame = Toy(kSlate).FrameSet->CurrentFrame;
        if (frame == limit || frame == limit + 1) {
            ShowToyFrame(kSlate, frame == limit ? static_cast<std::int16_t>(limit + 1) : limit);
            AddTimer(TTimerCode::Slate, kSlateBlink);
        }
    } else if (sender == workshop_words::kRadioTimer) {
        if (!FToysInitialised) return;
        const std::int16_t limit = Facts(kRadio).FrameLimit;
        const std::int16_t frame = Toy(kRadio).FrameSet->CurrentFrame;
        if (frame < limit) {
            ShowToyFrame(kRadio, static_cast<std::int16_t>((frame + 1) % limit));
            AddTimer(TTimerCode::Radio, kRadioTune);
        }
    } else if (sender == room_words::kTutor) {
        World().GoRoom(workshop_words::kHelpPage);
    } else if (sender == workshop_words::kComplaintTimer) {
        if (FComplainingToy != 0) ShowToyFrame(FComplainingToy, Facts(FComplainingToy).FrameLimit);
    } else {
        PutToolBack();
        TWideRoom::RunScript(script, sender);
    }
}

bool TWorkshopRoom::ControlEvent(TControlBox& box, TControlEventKind kind) {
    const int toy = ToyOfBox(box);
    if (toy == 0) return false;
    if (kind == TControlEventKind::Down) {
        ToyClicked(toy);
        return false;
    }
    if ((kind != TControlEventKind::Drag && kind != TControlEventKind::Enter) || Toy(toy).Repaired) return false;
    box.SetCursor(FHeldTool != 0 ? kWorldDefaultCursor : kActionCursor);
    const int tool = Facts(toy).Tool;
    if (FHeldTool == tool) return false;
    const bool inside = box.PointInside();
    HintTool(tool, inside);
    return inside;
}

// --- Drawing ---

void TWorkshopRoom::DrawOverlays(TAC8ImageData* view) {
    TWideRoom::DrawOverlays(view);
    if (view == nullptr) return;
    TWorkTablePictures pictures;
    if (FPuzzlePicture) pictures.Puzzle = &FPuzzlePicture->Image();
    if (FDollPicture) pictures.Doll = &FDollPicture->Image();
    if (FCardGamePicture) pictures.CardGame = &FCardGamePicture->Image();
    if (FCardPicture) pictures.Cards = &FCardPicture->Image();
    ::DrawWorkTable(*view, World(), ScrollOffset, pictures);
    for (int tool = 1; tool <= kWorkshopTools; ++tool)
        if (FrameOf(Numbered('D', tool)) == 0) DrawDrawerHint(*view, tool);
}
