// show_rooms: shows the main window and every generic room of a built game folder through the
// engine, the way the game draws them, and writes each as a PNG to look at.
//   show_rooms <game dat folder> <palette.gpl> <output folder>
// The rooms are played through the headless game over the folder's own library and init
// script; the main window is put together from its pictures by its layout at 800 by 600.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "engine/graphics/ac8_image_data.h"
#include "engine/graphics/ac8_library.h"
#include "engine/graphics/picture_handles.h"
#include "engine/graphics/game_font_metrics.h"
#include "foundation/config.h"
#include "foundation/text.h"
#include "engine/graphics/hot_image.h"
#include "rooms/album/album_room.h"
#include "rooms/album/snapshot_kinds.h"
#include "rooms/kitchen/cookie.h"
#include "rooms/kitchen/kitchen_room.h"
#include "rooms/tree/tree_room.h"
#include "rooms/tree/tree_snapshot.h"
#include "shell/game_services.h"
#include "tests/support/built_game.h"
#include "tests/support/game_harness.h"
#include "tools/common/palette.h"
#include "tools/pictures/indexed_picture.h"
#include "tools/pictures/png_files.h"

namespace fs = std::filesystem;
using testing_support::TGameHarness;
using testing_support::THarnessOptions;

namespace {

TIndexedPicture PictureOf(const TAC8ImageData& image, const std::string& name) {
    TIndexedPicture picture;
    picture.name = name;
    picture.width = image.Width();
    picture.height = image.Height();
    for (std::int32_t y = 0; y < image.Height(); ++y)
        for (std::int32_t x = 0; x < image.Width(); ++x) picture.pixels.push_back(image.GetPixel(TPoint{x, y}));
    return picture;
}

// The album's pictures stand for the rooms' snapshots: a library picture, scaled.
class TPreviewSnapshot : public TSnapshot {
public:
    explicit TPreviewSnapshot(const char* name) : Name(name) {}
    const char* Name;
};

void DrawPreviewSnapshot(TSnapshot& snapshot, TAC8ImageData& surface, const TRect& rect, TAC8Library& library) {
    THotImage picture(AC8ImageName(static_cast<TPreviewSnapshot&>(snapshot).Name), false, &library);
    surface.StretchBlit(rect, picture.Image(), picture.Image().GetBounds());
}

void RegisterPreviewKinds() {
    TSnapshotKind wide;
    wide.Kind = 3;
    wide.Thumbnail = {200, 138};
    wide.Full = {432, 298};
    wide.Hung = {103, 71};
    wide.Draw = DrawPreviewSnapshot;
    wide.Read = [](TStream&) -> std::unique_ptr<TSnapshot> { return nullptr; };
    wide.Write = [](const TSnapshot&, TStream&) {};
    RegisterSnapshotKind(wide);
    TSnapshotKind tall = wide;
    tall.Kind = 11;
    tall.Thumbnail = {140, 207};
    tall.Full = {225, 320};
    tall.Hung = {48, 71};
    RegisterSnapshotKind(tall);
}

// A library picture held for as long as it is drawn from.
class THeld : public TPictureHandle {
public:
    THeld(TAC8Library& library, const char* name) : TPictureHandle(library, AC8ImageName(name)) {}
};

// The main window at 800 by 600 with the title screen in its play area: the tiled
// background, the garland around the play area, the room and action buttons, the about and
// tutor buttons, as the window lays them out for a window wider than 799 pixels.
void DrawMainWindow(TAC8Library& library, const TAC8ImageData& playArea, TAC8ImageData& window) {
    const THeld tile(library, "tile"), corners(library, "glnd_cnr"), sides(library, "glnd_ew"),
        rows(library, "glnd_ns"), edges(library, "rb_edge"), faces(library, "rb_face"), actions(library, "actbtns"),
        about(library, "abt_btn"), tutor(library, "tutr_btn");
    for (std::int32_t y = 0; y < window.Height(); y += (*tile).Height())
        for (std::int32_t x = 0; x < window.Width(); x += (*tile).Width()) window.Blit({x, y}, *tile, (*tile).GetBounds());
    const TPoint garland{(window.Width() - 700) / 2, (window.Height() - 500) / 2};
    for (const std::int32_t column : {0, 600}) {
        const std::int32_t quarter = column == 0 ? 0 : 100;
        window.Blit({garland.X + column, garland.Y}, *corners, MakeBounds(quarter, 0, 100, 100));
        window.Blit({garland.X + column, garland.Y + 400}, *corners, MakeBounds(quarter, 100, 100, 100));
        window.Blit({garland.X + column, garland.Y + 100}, *sides, (*sides).GetBounds());
    }
    window.Blit({garland.X + 100, garland.Y}, *rows, (*rows).GetBounds());
    window.Blit({garland.X + 100, garland.Y + 400}, *rows, (*rows).GetBounds());

    const TPoint frame{(window.Width() - 514) / 2, (window.Height() - 322) / 2};
    window.Blit(frame, playArea, playArea.GetBounds());
    const std::int32_t step = (322 - 60 - 20) / 3;
    const TPoint firstButton{frame.X - 60 - 75, frame.Y + 10};
    const std::int32_t actionX = firstButton.X + 514 + 60 + 150;
    for (std::int32_t i = 0; i < 4; ++i) {
        const TPoint at{firstButton.X, firstButton.Y + i * step};
        // The first button as the current room's, the others clickable.
        window.Blit(at, *edges, MakeBounds(0, i == 0 ? 60 : 0, 60, 60));
        window.Blit({at.X + (i == 0 ? 9 : 8), at.Y + 8}, *faces, MakeBounds(0, i * 43, 43, 43));
    }
    // SNAP and WRAP offered, the third action button without a command.
    window.Blit({actionX, firstButton.Y}, *actions, MakeBounds(0, 0, 60, 60));
    window.Blit({actionX, firstButton.Y + step}, *actions, MakeBounds(0, 60, 60, 60));
    window.FillRect(MakeBounds(actionX, firstButton.Y + 2 * step, 60, 60), 118);
    window.Blit({4, 4}, *about, MakeBounds(0, 0, 56, 34));
    window.Blit({64, 4}, *tutor, MakeBounds(0, 0, 119, 34));
}

// The tree room bare, decorated with every top, light, garland and bauble kind, with a
// bauble being dragged off the branches, the album's copy of the tree, and its help page.
template <class Show, class Visit, class Write>
void ShowTreeRoom(TGameHarness& game, Show show, Visit visit, Write write) {
    visit("TREE", "tree");
    for (const char* box : {"A1", "L1", "L2", "L3", "L4", "T1", "T2", "T3", "T4"}) game.Click(box);
    // Top-left corners on the branches, one per kind, spread over the tree.
    const TPoint spots[] = {{100, 40}, {128, 70},  {80, 95},   {150, 112}, {60, 140},  {118, 128}, {170, 160},
                            {40, 190}, {95, 175},  {140, 200}, {185, 205}, {70, 222},  {115, 232}, {160, 238},
                            {30, 236}, {190, 180}, {100, 80},  {55, 175},  {135, 160}, {176, 120}, {80, 240}};
    auto& room = dynamic_cast<TTreeRoom&>(*game.World().FindRoom("TREE"));
    for (int kind = 1; kind <= 21; ++kind) {
        game.Click((kind < 10 ? "B0" : "B") + std::to_string(kind));
        const TPoint at = static_cast<const TBauble*>(room.Tree().Baubles().Last())->Position;
        const TPoint spot = spots[kind - 1];
        game.MouseDown({at.X + 3, at.Y + 3});
        game.MouseUp({spot.X + 3, spot.Y + 3});
    }
    show("tree-decorated");
    game.Click("A4");
    game.Click("B14");
    const TPoint at = static_cast<const TBauble*>(room.Tree().Baubles().Last())->Position;
    game.MouseDown({at.X + 3, at.Y + 3});
    game.MouseMove({at.X + 3, at.Y + 40});
    show("tree-drag-on");
    game.MouseMove({150, 290});
    show("tree-drag-off");
    game.MouseUp({150, 290});
    const auto copy = room.Tree().Clone();
    TAC8ImageData& view = game.View();
    view.FillRect(view.GetBounds(), 135);
    DrawTreeSnapshot(*copy, view, MakeBounds(20, 56, kTreeThumbnailSize.Width, kTreeThumbnailSize.Height));
    DrawTreeSnapshot(*copy, view, MakeBounds(200, 10, kTreeFullSize.Width, kTreeFullSize.Height - 20));
    DrawTreeSnapshot(*copy, view, MakeBounds(440, 124, kTreeHungSize.Width, kTreeHungSize.Height));
    write("tree-album", view);
    visit("CTTEXT", "tree-help");
}

// The kitchen: fresh at its right end, a cookie dropping, a full baking tray, the oven open
// with the tray inside, the baked tray close up, the cooling tray at the left end with a
// cookie being eaten and a glass half full, the album's drawings of a tray, and the help.
template <class Show, class Visit, class Write>
void ShowKitchen(TGameHarness& game, Show show, Visit visit, Write write) {
    visit("KITCHEN", "kitchen-right");
    auto& kitchen = game.RoomAs<TKitchenRoom>("KITCHEN");
    // shape, decoration and colour buttons for each of the six cookies
    // shape, decoration and colour of each of the six cookies; button (row r, choice c) is
    // named "#", its x, "B", c and r
    const int picks[6][3] = {{1, 2, 1}, {2, 3, 2}, {3, 4, 3}, {4, 5, 1}, {5, 2, 4}, {2, 1, 1}};
    const int x[5] = {742, 772, 802, 832, 862};
    const auto button = [&](int row, int choice) {
        return "#" + std::to_string(x[choice - 1]) + "B" + std::to_string(choice) + std::to_string(row);
    };
    for (int n = 0; n < 6; ++n) {
        for (int row = 1; row <= 3; ++row) game.Click(button(row, picks[n][row - 1]));
        game.Click("#604GO");
        if (n == 2) {
            game.Tick(5 + 2 * 11);
            show("kitchen-cookie-drops");
        }
        for (int i = 0; i < 100 && kitchen.MachineStep() != 0; ++i) game.Tick();
    }
    show("kitchen-tray-full");
    game.Click("GO_L_END");
    game.Tick(10);
    game.Click("#223OVN");
    for (int i = 0; i < 400 && !(kitchen.TrayInOven() && kitchen.OvenDoor() == 2); ++i) game.Tick();
    show("kitchen-oven-open");
    for (int i = 0; i < 400 && game.RoomName() == "KITCHEN"; ++i) game.Tick();
    show("tray");
    game.Click("BACK");
    show("kitchen-left");
    game.Click("#093J1");
    game.Click("#093J1");
    game.Click("#162J2");
    game.Click("#072C1");
    game.Tick(21);
    show("kitchen-eating");
    TAC8ImageData& view = game.View();
    view.FillRect(view.GetBounds(), 135);
    DrawCookieTray(kitchen.CoolingTray(), view, MakeBounds(10, 10, 200, 138), game.World().GetImageLibrary());
    DrawCookieTray(kitchen.CoolingTray(), view, MakeBounds(10, 160, 103, 71), game.World().GetImageLibrary());
    TCookieTray all{};
    for (std::size_t p = 0; p < all.size(); ++p)
        all[p] = TCookieSlot{static_cast<std::uint8_t>(p % 5 + 1), static_cast<std::uint8_t>(p % 5 + 1),
                             static_cast<std::uint8_t>(5 - p % 5), 1};
    DrawCookieTray(all, view, MakeBounds(220, 10, 288, 199), game.World().GetImageLibrary());
    write("kitchen-album", view);
    visit("KTEXT>", "kitchen-help1");
    visit("KTEXT2<", "kitchen-help2");
    visit("TTEXT", "tray-help");
}

// Every shape with every decoration and colour, as the machine makes them.
template <class Write>
void ShowCookies(TGameHarness& game, Write write) {
    auto canvas = THotImage::CreateBlank(5 * 64 + 192, 320, game.World().GetImageLibrary());
    TAC8ImageData& view = canvas->Image();
    view.SetTransparency(0, false);
    view.FillRect(view.GetBounds(), 234);
    int cell = 0;
    for (std::uint8_t shape = 1; shape <= 5; ++shape)
        for (std::uint8_t decoration = 1; decoration <= 5; ++decoration)
            for (std::uint8_t variant = 1; variant <= 5; ++variant) {
                if ((decoration == 1 || decoration == 5) && variant > 1) continue;
                auto cookie = MakeCookiePicture(shape, decoration, variant, game.World().GetImageLibrary());
                const TRect at = MakeBounds(cell % 16 * 32, cell / 16 * 36, 30, 34);
                view.StretchBlit(at, cookie->Image(), cookie->Image().GetBounds());
                ++cell;
            }
    write("kitchen-cookies", view);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: show_rooms <game dat folder> <palette.gpl> <output folder>\n");
        return 2;
    }
    try {
        const fs::path dat = argv[1];
        const TPalette palette = LoadPalette(argv[2]);
        const fs::path output = argv[3];
        fs::create_directories(output);
        RegisterGameFontMetrics();

        TGameHarness game(testing_support::BuiltGameOptions(dat));
        testing_support::InstallBuiltScript(game, dat, testing_support::TBuiltScript::Text);
        TConfig config;
        config.GiftLabel = u"Christopher";
        InstallGameServices(TGameServices{&config, nullptr, nullptr});
        game.Start();

        auto show = [&](const std::string& file) {
            game.Tick(2);
            WriteIndexedPng(output / (file + ".png"), PictureOf(game.View(), file), palette);
        };
        auto visit = [&](const std::string& room, const std::string& file) {
            game.World().GoRoom(room);
            show(file);
        };
        visit("TITLE", "title");
        {
            TAC8Library library;
            library.Open(dat / "Zorvik.ac8");
            const TPictureHandle window(TImageHandle::CreateBlank(library, "mainwin", 800, 600));
            DrawMainWindow(library, game.View(), *window);
            WriteIndexedPng(output / "mainwin.png", PictureOf(*window, "mainwin"), palette);
        }
        visit("GIFT", "gift");
        visit("MGTEXT", "mgtext");
        game.Click("VIEW");
        show("mgtext-picture");
        game.Click("VIEW");
        visit("HBTEXT", "help1");
        visit("HB2<>", "help2");
        visit("HB3<", "help3");
        visit("OPTIONS", "options");

        // The bedroom's rooms in their main states.
        visit("DARK", "dark");
        game.Tick(12);
        show("dark-blink");
        game.Click("LAMP");
        show("bedroom-night");
        game.Click("BLIND");
        game.Tick(60);
        show("bedroom-day");
        for (const char* box : {"D1", "D2", "D3", "D4", "DOOR", "COAT", "PAIL", "BOOK"}) game.Click(box);
        game.Tick(11);
        game.Click("RED1");
        game.Tick(20);
        show("bedroom-busy");
        game.Click("CAN");
        show("bedroom-carrying");
        game.Click("POT");
        game.Click("JUKE");
        show("jukebox-empty");
        game.Click("3");
        game.Tick(3);
        game.Click("BUTTON");
        game.Tick(20);
        show("jukebox-playing");
        game.Click("BACK");
        show("bedroom-cartridge");
        visit("CREDITS", "credits");
        visit("BRTEXT", "help-bedroom");
        visit("DBRTEXT", "help-dark");
        visit("JBTEXT", "help-jukebox");
        // The kitchen before the album stands in for snapshots with pictures of its own.
        const auto writeKitchen = [&](const std::string& file, const TAC8ImageData& image) {
            WriteIndexedPng(output / (file + ".png"), PictureOf(image, file), palette);
        };
        ShowKitchen(game, show, visit, writeKitchen);
        ShowCookies(game, writeKitchen);
        // The album: its closed cover, the first page, a spread with the hung picture, the
        // back pages; and its help pages.
        RegisterPreviewKinds();
        visit("ALBUM", "album-empty");
        auto& album = game.RoomAs<TAlbumRoom>("ALBUM");
        album.AddPicture(std::make_unique<TPreviewSnapshot>("title"), 3);
        album.AddPicture(std::make_unique<TPreviewSnapshot>("maingift"), 11);
        album.AddPicture(std::make_unique<TPreviewSnapshot>("giftscrn"), 3);
        game.World().GoRoom("TITLE");
        visit("ALBUM", "album-cover");
        game.Tick(20);
        game.Click("LEFT");
        game.PressAction(1);
        game.Tick(2);
        show("album-spread-hung");
        while (album.CurrentPage() > 1) game.Click("BACK");
        show("album-page1");
        while (album.FindHitBox("FWD")->IsEnabled()) game.Click("FWD");
        game.Click("BACK");
        show("album-back-inside");
        game.Click("FWD");
        show("album-back-cover");
        visit("PATEXT>", "album-help1");
        visit("PA2<", "album-help2");
        // The living room's frame as the album fills it.
        {
            std::unique_ptr<THotImage> wall = THotImage::CreateBlank(140, 100, game.World().GetImageLibrary());
            album.DrawHungPicture(wall->Image(), MakeBounds(0, 0, 140, 100));
            WriteIndexedPng(output / "album-hung-picture.png", PictureOf(wall->Image(), "hung"), palette);
        }
        ShowTreeRoom(game, show, visit, [&](const std::string& file, const TAC8ImageData& image) {
            WriteIndexedPng(output / (file + ".png"), PictureOf(image, file), palette);
        });
        int shown = 0;
        for (const auto& message : game.Messages()) {
            std::fprintf(stderr, "show_rooms: the game said: %s\n", Utf16ToUtf8(message.Text).c_str());
            ++shown;
        }
        game.Close();
        InstallGameServices({});
        return shown == 0 ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "show_rooms: %s\n", e.what());
        return 1;
    }
}
