// The main window's life: building the game, the 55 ms tick, closing and the end.
#include "shell/form_qe.h"

#include "engine/graphics/ac8_library.h"
#include "engine/graphics/game_font_metrics.h"
#include "engine/graphics/hot_image.h"
#include "engine/sound/midi_player.h"
#include "engine/sound/wave_man.h"
#include "foundation/config.h"
#include "foundation/folders.h"
#include "foundation/messages.h"
#include "foundation/text.h"
#include "foundation/vek_exception.h"
#include "platform/clock.h"
#include "platform/printers.h"
#include "shell/application_title.h"
#include "shell/boxes_over_window.h"
#include "shell/program_start.h"
#include "shell/songs.h"
#include "shell/game_context.h"
#include "shell/sound_list.h"
#include "shell/strings/game_string.h"
#include "shell/world.h"

TFormQE::TFormQE(TFormQEServices services, std::vector<std::string> arguments)
    : FServices(std::move(services)), FWindow(*FServices.Window), FArguments(std::move(arguments)) {
    platform::ControlHost& host = FWindow.Controls();
    FBackground.SetFillsHost(true);
    host.Add(FBackground);

    FFrame.SetSize(kPlayAreaWidth, kPlayAreaHeight);
    FFrame.Colour = platform::RgbColour{192, 192, 192};
    host.Add(FFrame);

    for (int i = 1; i <= kNavButtonCount; ++i) {
        platform::PaintBox& box = NavBox(i);
        box.Tag = i;
        box.SetSize(kButtonSize, kButtonSize);
        box.OnPaint = [this, i](platform::PaintBox&, platform::ControlCanvas& canvas) {
            PaintButton(FNavImages[std::size_t(i - 1)].get(), canvas);
        };
        box.OnClick = [this](platform::PaintBox& sender) { NavButtonClick(sender.Tag); };
        host.Add(box);
    }
    for (int i = 1; i <= kActionButtonCount; ++i) {
        platform::PaintBox& box = ActionBox(i);
        box.Tag = i;
        box.SetSize(kButtonSize, kButtonSize);
        box.OnPaint = [this, i](platform::PaintBox&, platform::ControlCanvas& canvas) {
            PaintButton(FActionImages[std::size_t(i - 1)].get(), canvas);
        };
        box.OnClick = [this](platform::PaintBox& sender) { ActionButtonClick(sender.Tag); };
        host.Add(box);
    }

    FAbout.Name = "cmdAbout";
    FAbout.SetSize(56, 34);
    FAbout.Cursor = 1;
    FAbout.Toggles = false;
    FAbout.SetEnabled(true);
    FAbout.OnClick = [this](TVekButton&) {
        if (FWorld) FWorld->ShowAbout();
    };
    host.Add(FAbout);
    FTutor.Name = "cmdTutor";
    FTutor.SetSize(119, 34);
    FTutor.Cursor = 1;
    FTutor.Toggles = true;
    FTutor.SetEnabled(true);
    FTutor.OnClick = [this](TVekButton&) {
        if (FWorld) FWorld->TutorClick();
    };
    host.Add(FTutor);

    FVersion.Colour = platform::RgbColour{0, 0, 0};
    FVersion.SetVisible(false);
    host.Add(FVersion);

    FWindow.OnTimer = [this] { TickTimer(); };
    FWindow.OnIdle = [this] { Idle(); };
    FWindow.OnResize = [this] { Resize(); };
    FWindow.OnCloseQuery = [this] { return CloseQuery(); };
    FWindow.OnEndSession = [this] { EndSession(); };
    FWindow.OnUnhandledError = [this](std::exception_ptr error) { ShowUnhandledError(error); };
    FBoxes = std::make_unique<TBoxesOverWindow>([this](bool open) { BoxOpened(open); });
    FWindow.SetCaption(u"Brindle's House");
    Resize();
}

TFormQE::~TFormQE() {
    FWindow.SetTimer(kTickInterval, false);
    FWindow.OnTimer = nullptr;
    FWindow.OnIdle = nullptr;
    FWindow.OnResize = nullptr;
    FWindow.OnCloseQuery = nullptr;
    FWindow.OnEndSession = nullptr;
    FWindow.OnUnhandledError = nullptr;
    // The world first: its end leaves the room and saves the game, which may still use the
    // sound list, the button pictures and the configuration.
    FWorld.reset();
    FContext.SetSoundObjects(nullptr, nullptr);
    FContext.SetServices({});
    FSoundList.reset();
    FreeButtonPictures();
    FreeGarland();
    FSongs.reset();
    FWaveMan.reset();
    FMidiPlayer.reset();
    FConfig.reset();
    if (FLibrary) {
        FBackground.SetLibrary(nullptr);
        FAbout.SetLibrary(nullptr);
        FTutor.SetLibrary(nullptr);
        FContext.SetLibrary(nullptr);
        FLibrary.reset();
    }
    FBoxes.reset();
}

namespace {
// What a box says of an error nothing expected: the game's own errors their message, the
// system's a plain sentence (never a text such as "std::bad_alloc").
std::u16string PlainErrorText(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return UnexpectedErrorText(e);
    } catch (...) {
        return UnexpectedErrorText(std::exception());
    }
}
}  // namespace

bool TFormQE::Create() {
    try {
        BuildGame();
        return true;
    } catch (...) {
        // Whatever failed (a damaged file, a missing picture, memory), the child sees the
        // game's own start-up message, never a silent end.
        ShowInfo(kApplicationTitle, StartupProblemText(PlainErrorText(std::current_exception())));
        return false;
    }
}

void TFormQE::BuildGame() {
    FVersion.SetText(FServices.VersionText);
    FVersion.SetSize(FVersion.TextWidth(), platform::Label::TextHeight());

    FCommandLine = ParseCommandLine(FArguments);
    // Before anything reads a game file: every node class and room kind the init script and
    // the saved game can hold.
    if (FServices.RegisterClasses) FServices.RegisterClasses();
    RegisterGameFontMetrics();
    // Shuffles and random choices differ from one game to the next.
    FContext.RandomNumbers().SeedFromClock();

    FConfig = std::make_unique<TConfig>();
    FConfig->LoadFromFile(FCommandLine.ConfigName);  // a missing or damaged file keeps the defaults

    FLibrary = std::make_unique<TAC8Library>();
    OpenGameLibrary(*FLibrary, Folders().DataFolder + Utf16ToUtf8(GameString(GameStringMainLibraryFile)));
    FContext.SetLibrary(FLibrary.get());
    FBackground.SetLibrary(FLibrary.get());
    FAbout.SetLibrary(FLibrary.get());
    FTutor.SetLibrary(FLibrary.get());

    FBackground.OnPaint = [this](TTileBG&, platform::ControlCanvas& canvas, const TRect& clip) {
        PaintGarland(canvas, clip);
    };
    FBackground.SetImageName(AC8ImageName("tile"));
    FAbout.SetTileBG(&FBackground);
    FAbout.SetFrameCount(2);
    FAbout.SetImageName(AC8ImageName("abt_btn"));
    FTutor.SetTileBG(&FBackground);
    FTutor.SetFrameCount(2);
    FTutor.SetImageName(AC8ImageName("tutr_btn"));
    Resize();
    FWindow.ProcessPendingMessages();

    if (FServices.LoadCursors) FServices.LoadCursors(FWindow, *FLibrary);

    FMidiPlayer = std::make_unique<TMidiPlayer>(*FServices.Songs, FCommandLine.MidiAllowed);
    FWaveMan = std::make_unique<TWaveMan>(*FServices.Waves, FCommandLine.WaveAllowed);
    FMidiPlayer->SetFolder(Folders().SongFolder);
    FWaveMan->SetFolder(Folders().WaveFolder);
    FSongs = std::make_unique<TSongSchedule>(*FMidiPlayer, *FServices.Clock, FContext.RandomNumbers());
    FSongs->SetOnMusicEnded([this](std::int32_t song) { ReportMusicEnded(song); });

    // What rooms read besides the world: the child's settings, whether sound is on, and the
    // printers the program installed, and the clock.
    FContext.SetServices(TGameServices{FConfig.get(), FMidiPlayer.get(), FWaveMan.get(), platform::InstalledPrinters(),
                                       FServices.Clock});

    FSoundList = std::make_unique<TSoundList>();
    if (FServices.LoadSoundList) FServices.LoadSoundList(*FSoundList);
    FContext.SetSoundObjects(FWaveMan.get(), FSoundList.get());
    FWaveMan->SetOnSoundEnded([this](std::uint16_t waveId) {
        if (FWorld) FWorld->SoundEnded(waveId);
    });

    FWindow.Maximise();
    CreateButtonPictures();

    FWorld = std::make_unique<TWorld>(*this, FContext, *FConfig);
    platform::ControlHost& host = FWindow.Controls();
    host.Add(FWorld->View());
    // The play area lies on the frame panel, under the buttons and the label.
    for (platform::Control* control : std::initializer_list<platform::Control*>{
             &FNavBoxes[0], &FNavBoxes[1], &FNavBoxes[2], &FNavBoxes[3], &FActionBoxes[0], &FActionBoxes[1],
             &FActionBoxes[2], &FAbout, &FTutor, &FVersion}) {
        host.Remove(*control);
        host.Add(*control);
    }
    Resize();
    FWindow.ProcessPendingMessages();
    FWorld->OpenPlayer(FCommandLine.ConfigName, FServices.BuildRooms ? FServices.BuildRooms : TRoomBuilder{});

    FWindow.SetTimer(kTickInterval, true);
    if (FServices.HideStartWindow) FServices.HideStartWindow();

    FFrame.Colour = platform::RgbColour{210, 159, 111};
    FFrame.Invalidate();
    SetNavGreyed(true);

    FWorld->Begin();
}

void TFormQE::CapsLockCheck() {
    const bool capsOn = FWindow.Keyboard().CapsLockOn;
    if (capsOn == FVersion.Visible()) return;
    FVersion.SetVisible(capsOn);
    if (FWaveMan) {
        if (FWaveMan->Enabled()) FWaveMan->UnloadAll();
        FWaveMan->SetEnabled(FCommandLine.WaveAllowed && !capsOn);
    }
    if (FMidiPlayer) {
        if (FMidiPlayer->Enabled()) SilenceMusic();
        FMidiPlayer->SetEnabled(FCommandLine.MidiAllowed && !capsOn);
    }
}

// Caps Lock silences the song; it does not take it back from the room that asked for it. The
// rooms hear that the music ended, the player stops, and the song's end still comes at its
// time: the dark room's lullaby, silenced, still lights the bedroom when it would be over.
void TFormQE::SilenceMusic() {
    FSilencing = true;
    try {
        ReportMusicEnded(0);
    } catch (...) {
        FSilencing = false;
        throw;
    }
    FSilencing = false;
}

void TFormQE::ReportMusicEnded(std::int32_t song) {
    // A room that fails here with a game error is reported like any, not carried out of
    // the timer event.
    if (FWorld) FWorld->MusicEnded(song);
}

// A box takes the activation: the room hears the focus go now and come back at the first
// tick after the box, and the time the box stood open is dropped as an inactive window's
// ticks are, so no room timer due meanwhile fires in a burst afterwards.
void TFormQE::BoxOpened(bool open) {
    if (!FWorld) return;
    if (open) {
        if (!FWasActive) return;
        FWasActive = false;
        FWorld->SetFocus(false);
    } else {
        FTicks.Elapsed(FServices.Clock->NowMs());
    }
}

// An error that left a window event unhandled: shown, and the game goes on with the next
// event. The game's own errors never come here (the world has shown them).
void TFormQE::ShowUnhandledError(const std::exception_ptr& error) {
    ShowInfo(kApplicationTitle, PlainErrorText(error));
}

void TFormQE::TickTimer() {
    if (!FWorld) return;
    CapsLockCheck();

    const std::int64_t now = FServices.Clock->NowMs();
    if (FSongs) FSongs->CheckSongEnd();
    const std::int32_t elapsed = FTicks.Elapsed(now);

    const bool active = FWindow.IsActive();
    if (active != FWasActive) {
        FWorld->SetFocus(active);
        FWasActive = active;
        if (active) {
            for (auto& box : FNavBoxes) box.Invalidate();
            for (auto& box : FActionBoxes) box.Invalidate();
        }
    }
    // An inactive window's ticks are dropped, not saved up.
    if (active) FWorld->Tick(elapsed);

    if (FPressCountdown > 0) {
        --FPressCountdown;
        if (FPressCountdown == 0 && FPressedAction != 0) {
            const int index = FPressedAction;
            FPressedAction = 0;
            const TActionState stored = FActionStates[std::size_t(index - 1)];
            SetActionState(index, stored == TActionState::Pressed ? TActionState::Normal : stored);
        }
    }

    if ((FWorld->GetFlags() & kWorldQuit) != 0) FWindow.RequestClose();
}

void TFormQE::Idle() {
    if (FWorld) FWorld->SetFlags(kWorldIdle, true);
}

bool TFormQE::CloseQuery() {
    if (!FWorld || (FWorld->GetFlags() & kWorldQuit) != 0) return true;
    return AskYesNo(kApplicationTitle, GameString(GameStringReallyQuit));
}

void TFormQE::EndSession() {
    // As a confirmed close: the world's end leaves the room and saves the game.
    if (FWorld) FWorld->SetQuit();
    FWindow.RequestClose();
}

void TFormQE::SetCaption(const std::u16string& caption) { FWindow.SetCaption(caption); }

void TFormQE::SetBusyCursor(bool busy) {
    FWindow.SetScreenCursor(busy ? platform::kHourglassCursor : platform::kNoScreenCursor);
}

TKeyState TFormQE::ReadKeys() const {
    const platform::KeyboardState keys = FWindow.Keyboard();
    return TKeyState{keys.ShiftDown, keys.CtrlDown, keys.DeleteDown};
}

std::optional<TPoint> TFormQE::MousePosition() const {
    std::int32_t x = 0, y = 0;
    if (!FWindow.PointerPosition(x, y)) return std::nullopt;
    const platform::ControlRect& area = FWorld ? FWorld->View().Bounds() : FFrame.Bounds();
    return TPoint{x - area.Left, y - area.Top};
}

void TFormQE::RefreshMousePosition() { FWindow.RefreshPointer(); }

void TFormQE::ProcessPendingMessages() { FWindow.ProcessPendingMessages(); }

void TFormQE::PlayMusic(std::int32_t song) {
    if (FSongs) FSongs->PlayMusic(song);
}

// A room that stops the music gives its song up: its end is no longer reported, so a song
// left behind (the title's repeating song) never comes back in another room.
void TFormQE::StopMusic() {
    if (FSongs && FSilencing)
        FSongs->Silence();
    else if (FSongs)
        FSongs->StopMusic();
    else if (FMidiPlayer)
        FMidiPlayer->StopMusic();
}
