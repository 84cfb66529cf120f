#pragma once
// TFormQE: the game's only window. Creating it builds the whole game in a fixed order (sound,
// pictures, the world with its rooms and the saved game); its 55 ms timer is the main loop;
// it owns the room and action buttons beside the play area, the about and tutor buttons,
// the tiled background with the garland around the play area and the version label that
// Caps Lock shows. The world drives the buttons through TWorldWindow.
#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/graphics/tile_bg.h"
#include "engine/graphics/vek_button.h"
#include "platform/game_window.h"
#include "platform/paint_box.h"
#include "shell/command_line.h"
#include "shell/game_context.h"
#include "shell/tick_counter.h"
#include "shell/world_window.h"

class TAC8Library;
class TBoxesOverWindow;
class TAC8ImageData;
class TConfig;
class THotImage;
class TImageNode;
class TMidiPlayer;
class TSongSchedule;
class TSoundList;
class TWaveMan;
class TWorld;

namespace platform {
class Clock;
class SongOutput;
class WaveOutput;
}  // namespace platform

// What the window is built on: the platform's window, sound outputs and clock, and the
// loaders that fill the sound list, the rooms and the cursors.
struct TFormQEServices {
    platform::GameWindow* Window = nullptr;
    platform::WaveOutput* Waves = nullptr;
    platform::SongOutput* Songs = nullptr;
    const platform::Clock* Clock = nullptr;
    // Registers every node class and room kind the init script and the saved game can hold:
    // the program knows the rooms, the shell does not.
    std::function<void()> RegisterClasses;
    // Fills the sound list from the sounds file.
    std::function<void(TSoundList&)> LoadSoundList;
    // Builds the rooms from the init script.
    std::function<void(TWorld&)> BuildRooms;
    // Defines the game's cursors on the window; a missing cursor ends the loading silently.
    std::function<void(platform::GameWindow&, TAC8Library&)> LoadCursors;
    // Hides the loading picture once the game stands.
    std::function<void()> HideStartWindow;
    // The version text of the label Caps Lock shows.
    std::string VersionText = "Zorvik";
};

inline constexpr std::int32_t kTickInterval = 55;
inline constexpr std::int32_t kPressedTicks = 6;
inline constexpr std::int32_t kButtonSize = 60;
// The smallest client area that keeps the wide layout and the whole garland.
inline constexpr std::int32_t kWideLayoutWidth = 800;
inline constexpr std::int32_t kGarlandWidth = 700;
inline constexpr std::int32_t kGarlandHeight = 500;

class TFormQE final : public TWorldWindow {
public:
    TFormQE(TFormQEServices services, std::vector<std::string> arguments);
    // Stops the tick, ends the world (the room leaves, the game is saved), then frees the
    // sound list, the button pictures, the sound players, the configuration and the library.
    ~TFormQE() override;
    TFormQE(const TFormQE&) = delete;
    TFormQE& operator=(const TFormQE&) = delete;

    // Builds the game and enters the first room. A game error on the way is shown as
    // "Quorvel! encountered a problem on start-up: " and the message, and gives false.
    bool Create();

    // ---- window events
    void TickTimer();
    bool CloseQuery();
    // The program is told to end (a signal, the session, the display gone): the window closes
    // without the quit question, and the game is saved as at any end.
    void EndSession();
    void Resize();
    void Idle();
    void NavButtonClick(int index);
    void ActionButtonClick(int index);

    // ---- TWorldWindow
    void SetHomeIndex(std::uint8_t index) override;
    void SetNavButtonState(int index, TNavState state) override;
    void SetNavGreyed(bool greyed) override;
    void SetActionCommand(int index, TActionCommand command) override;
    void SetActionState(int index, TActionState state) override;
    void SetTutorChecked(bool checked) override;
    void SetCaption(const std::u16string& caption) override;
    void SetBusyCursor(bool busy) override;
    TKeyState ReadKeys() const override;
    std::optional<TPoint> MousePosition() const override;
    void RefreshMousePosition() override;
    void ProcessPendingMessages() override;
    void PlayMusic(std::int32_t song) override;
    void StopMusic() override;

    // ---- state, for the program and tests
    const TCommandLine& CommandLine() const { return FCommandLine; }
    TWorld* World() const { return FWorld.get(); }
    TAC8Library* Library() const { return FLibrary.get(); }
    TWaveMan* WaveMan() const { return FWaveMan.get(); }
    TMidiPlayer* MidiPlayer() const { return FMidiPlayer.get(); }
    TSongSchedule* Songs() const { return FSongs.get(); }
    const TConfig* Config() const { return FConfig.get(); }
    const TTickCounter& Ticks() const { return FTicks; }

    platform::Panel& FramePanel() { return FFrame; }
    platform::PaintBox& NavBox(int index) { return FNavBoxes.at(std::size_t(index - 1)); }
    platform::PaintBox& ActionBox(int index) { return FActionBoxes.at(std::size_t(index - 1)); }
    TVekButton& AboutButton() { return FAbout; }
    TVekButton& TutorButton() { return FTutor; }
    platform::Label& VersionLabel() { return FVersion; }
    TTileBG& Background() { return FBackground; }
    // The picture a room or action button shows; null before the pictures exist.
    TAC8ImageData* NavPicture(int index);
    TAC8ImageData* ActionPicture(int index);
    bool HasGarland() const { return FGarland[0] != nullptr; }

    TNavState NavState(int index) const { return FNavStates.at(std::size_t(index - 1)); }
    TActionCommand ActionCommand(int index) const { return FActionCommands.at(std::size_t(index - 1)); }
    TActionState ActionState(int index) const { return FActionStates.at(std::size_t(index - 1)); }
    bool NavGreyed() const { return FNavGreyed; }
    std::uint8_t PressedAction() const { return FPressedAction; }
    std::int32_t PressCountdown() const { return FPressCountdown; }

private:
    void BuildGame();
    void CreateButtonPictures();
    void FreeButtonPictures();
    void DrawNavButton(int index);
    void PaintButton(THotImage* picture, platform::ControlCanvas& canvas);
    void CapsLockCheck();
    void SilenceMusic();
    void ReportMusicEnded(std::int32_t song);
    void BoxOpened(bool open);
    void ShowUnhandledError(const std::exception_ptr& error);
    void PaintGarland(platform::ControlCanvas& canvas, const TRect& clip);
    void BuildGarland();
    void FreeGarland();
    void CopyWholeImage(TAC8ImageData& target, TPoint at, std::string_view name, TRect sourceRect);

    TFormQEServices FServices;
    platform::GameWindow& FWindow;
    std::vector<std::string> FArguments;
    TCommandLine FCommandLine;

    // Controls, bottom to top.
    TTileBG FBackground;
    platform::Panel FFrame;
    std::array<platform::PaintBox, kNavButtonCount> FNavBoxes;
    std::array<platform::PaintBox, kActionButtonCount> FActionBoxes;
    TVekButton FAbout;
    TVekButton FTutor;
    platform::Label FVersion;

    // The objects below, as rooms reach them; it outlives them all.
    TGameContext FContext;
    std::unique_ptr<TConfig> FConfig;
    std::unique_ptr<TAC8Library> FLibrary;
    std::unique_ptr<TMidiPlayer> FMidiPlayer;
    std::unique_ptr<TWaveMan> FWaveMan;
    std::unique_ptr<TSongSchedule> FSongs;
    std::unique_ptr<TSoundList> FSoundList;
    std::unique_ptr<TWorld> FWorld;

    std::array<std::unique_ptr<THotImage>, kNavButtonCount> FNavImages;
    std::array<std::unique_ptr<THotImage>, kActionButtonCount> FActionImages;
    std::unique_ptr<THotImage> FEdgeImage;
    std::unique_ptr<THotImage> FFaceImage;
    std::unique_ptr<THotImage> FActionSheet;
    // Left, right, top, bottom.
    std::array<std::unique_ptr<THotImage>, 4> FGarland;

    std::uint8_t FHomeIndex = 0;
    std::uint8_t FPressCountdown = 0;
    std::uint8_t FPressedAction = 0;
    std::array<TNavState, kNavButtonCount> FNavStates{};
    std::array<TActionCommand, kActionButtonCount> FActionCommands{};
    std::array<TActionState, kActionButtonCount> FActionStates{};
    bool FNavGreyed = false;
    bool FWasActive = false;
    // Caps Lock is silencing the song: a stop of the music keeps its scheduled end.
    bool FSilencing = false;
    TTickCounter FTicks{kTickInterval};
    // Every message box passes through here while the window stands.
    std::unique_ptr<TBoxesOverWindow> FBoxes;
};
