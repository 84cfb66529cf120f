#pragma once
// The kitchen (kind word KITCHEN), a room twice as wide as the view. At its right end a cookie
// machine takes flour, butter and sugar from three hoppers and presses one cookie at a time,
// of the shape, decoration and colour picked on three rows of buttons, onto the six places
// of a baking tray; the oven in the middle bakes the tray and shows it in the tray room
// "TRAY"; at the left end the baked cookies cool on a tray where the child eats them, two
// jugs pour drinks into a glass, and a jar keeps what was put away.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "rooms/kitchen/cookie.h"
#include "shell/aux_gfx_room.h"

class THotImage;

inline constexpr std::int32_t kKitchenWidth = 912;
// Hoppers, as the sender's fifth letter names them.
enum class THopper { Flour = 0, Butter = 1, Sugar = 2 };
inline constexpr std::array<std::uint8_t, 3> kHopperFull{59, 60, 62};
// What one cookie takes from each hopper.
inline constexpr std::array<std::uint8_t, 3> kHopperUse{8, 3, 5};
inline constexpr std::uint8_t kRefill = 14;
inline constexpr std::uint8_t kJugPours = 11;
inline constexpr std::uint8_t kJarFull = 5;
inline constexpr int kGlassBands = 4;

class TKitchenRoom : public TWideRoom {
public:
    explicit TKitchenRoom(std::string_view name);
    ~TKitchenRoom() override;

    // The record: the flour, butter and sugar levels, a byte each; levels above a hopper's
    // full level are taken as full.
    void ReadData(TStream& s) override;
    void WriteData(TStream& s) override;
    void Enter(const std::string& fromRoom) override;
    void RunScript(const std::string& script, const std::string& sender) override;
    void ReleaseGraphics(bool final) override;
    void DrawOverlays(TAC8ImageData* view) override;
    void UpdateScrollButtons() override;

    // A batch may start: the tray is out of the oven, every hopper holds a cookie's worth,
    // the machine is idle and the place under it is empty.
    bool CanStartBatch() const;

    // --- What other rooms and the tests read ---
    std::uint8_t Level(THopper h) const { return FLevels[static_cast<std::size_t>(h)]; }
    std::uint8_t Target(THopper h) const { return FTargets[static_cast<std::size_t>(h)]; }
    const TCookieTray& MachineTray() const { return FMachineTray; }
    const TCookieTray& CoolingTray() const { return FCoolingTray; }
    // The 122 x 136 picture of a machine-tray place 1 to 6, or nullptr.
    THotImage* MachinePicture(int place) const;
    THotImage* CoolingPicture(int place) const;
    bool TrayInOven() const { return FTrayInOven; }
    bool OvenBusy() const { return FOvenBusy; }
    std::uint8_t OvenStep() const { return FOvenStep; }
    std::uint8_t OvenDoor() const { return FOvenDoor; }
    std::uint8_t MachineStep() const { return FMachineStep; }
    std::uint8_t CurrentPlace() const { return FCurrentPlace; }
    std::uint8_t Choice(int row) const { return FChoice.at(static_cast<std::size_t>(row - 1)); }
    bool ButtonLit(int row, int choice) const;
    std::uint8_t Jar() const { return FJar; }
    std::uint8_t JugLevel(int jug) const { return FJugs.at(static_cast<std::size_t>(jug - 1)); }
    // Band 1 (top) to 4 (bottom): 0 empty, else the jug it came from.
    std::uint8_t GlassBand(int band) const { return FGlass.at(static_cast<std::size_t>(band - 1)); }
    std::uint8_t EatenPlace() const { return FEatenPlace; }
    std::uint8_t Bites() const { return FBites; }
    bool FlashPhase() const { return FFlashPhase; }
    // The hoppers' work picture (its first 69 rows keep the funnel strips), once entered.
    THotImage* WorkPicture() const { return FWorkPicture.get(); }

    // The tray room's WRAP: the baked tray becomes a gift and, once it is on the wrapping
    // table, leaves the machine tray (and the oven) for good. False when nothing was wrapped.
    bool WrapMachineTray();

private:
    void Redraw(const TRect& roomRect);
    void RedrawView(const TRect& viewRect);
    TRect InView(const TRect& roomRect) const;

    void PressButton(const std::string& sender);
    void StartBatch();
    void RunMachineStep();
    void OvenStepOnce();
    void Refill(const std::string& sender);
    void Drink(const std::string& sender);
    void EatBite();
    void TakeFromPlate(const std::string& sender);
    void Snap();
    void Wrap();

    void StoreCookieChoice();
    void FinishCookie();
    // On entering too: the world shows the action buttons before the room's Enter.
    void UpdateSnapWrap();
    void ClearCoolingTray();
    void ClearMachineTray();
    void UpdateIndicators(bool draw);
    void SetIndicator(std::string_view name, std::int16_t frame, bool draw);
    void RefreshBoxes();
    void SetBoxEnabled(std::string_view name, bool enabled);
    void LightButtons();
    void SetLevel(std::size_t hopper, std::int32_t level);

    void DrawButton(TAC8ImageData& view, int row, int choice) const;
    void DrawHopper(TAC8ImageData& view, std::size_t hopper);
    void DrawJug(TAC8ImageData& view, int jug) const;
    void DrawMachineHead(TAC8ImageData& view) const;
    void DrawMachineTray(TAC8ImageData& view) const;
    void DrawOven(TAC8ImageData& view) const;
    void DrawCoolingTray(TAC8ImageData& view) const;
    void DrawEatenCookie(TAC8ImageData& view);
    void Piece(TAC8ImageData& view, TPoint roomAt, const TRect& source) const;

    std::array<std::uint8_t, kGlassBands> FGlass{};
    std::uint8_t FEatenPlace = 0;
    std::uint8_t FOvenDoor = 0;
    std::uint8_t FCurrentPlace = 1;
    std::array<std::uint8_t, 2> FJugs{kJugPours, kJugPours};
    std::array<std::uint8_t, 3> FLevels{kHopperFull};
    std::array<std::uint8_t, 3> FTargets{kHopperFull};
    std::unique_ptr<THotImage> FBitePicture;
    std::unique_ptr<THotImage> FWorkPicture;
    std::array<std::array<bool, 5>, 3> FLit{};
    std::array<std::uint8_t, 3> FChoice{1, 5, 1};
    bool FTrayInOven = false;
    TCookieTray FMachineTray{};
    TCookieTray FCoolingTray{};
    std::uint8_t FHeadStep = 0;
    std::uint8_t FDropStep = 0;
    std::uint8_t FMachineStep = 0;
    std::uint8_t FBites = 0;
    std::uint8_t FOvenStep = 0;
    bool FOvenBusy = false;
    bool FFlashPhase = false;
    std::uint8_t FJar = 0;
    std::array<std::unique_ptr<THotImage>, kTrayPlaces> FMachinePictures;
    std::array<std::unique_ptr<THotImage>, kTrayPlaces> FCoolingPictures;
};

// The kitchen of the house (the room "KITCHEN"), or nullptr when there is none of this class.
TKitchenRoom* FindKitchen(const TRoomWorld& world);
