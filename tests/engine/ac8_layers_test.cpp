// Damage lists, and layers: composing, save-unders, priorities, changes travelling from a
// layer's source to its parent, and the damage that lets the screen follow all of it.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/graphics/ac8_exception.h"
#include "engine/graphics/ac8_layer_node.h"
#include "engine/graphics/damage_list.h"
#include "platform/headless/memory_canvas.h"
#include "surface_test_support.h"

namespace {

using surface_test::DamageOf;
using surface_test::Picture;
using surface_test::Read;
using surface_test::TestSurface;

TEST(AC8Damage, MergesByContainmentOnly) {
    TestSurface s(100, 100);
    s->AddDamage({0, 0, 10, 10});
    s->AddDamage({2, 2, 5, 5});
    EXPECT_EQ(DamageOf(*s), (std::vector<TRect>{{0, 0, 10, 10}}));
    s->AddDamage({0, 0, 20, 20});
    EXPECT_EQ(DamageOf(*s), (std::vector<TRect>{{0, 0, 20, 20}}));
    s->AddDamage({30, 30, 40, 40});
    EXPECT_EQ(DamageOf(*s), (std::vector<TRect>{{0, 0, 20, 20}, {30, 30, 40, 40}}));
    // Only the first node a larger rectangle holds is replaced.
    s->AddDamage({0, 0, 50, 50});
    EXPECT_EQ(DamageOf(*s), (std::vector<TRect>{{0, 0, 50, 50}, {30, 30, 40, 40}}));

    s->ClearDamage();
    EXPECT_FALSE(s->HasDamage());
    s->AddDamage({0, 0, 10, 10});
    s->AddDamage({5, 5, 15, 15});
    EXPECT_EQ(DamageOf(*s), (std::vector<TRect>{{0, 0, 10, 10}, {5, 5, 15, 15}}));
}

// The merge as a plain walk over every listed rectangle: the list's shortcuts must give
// exactly this, rectangle for rectangle and in the same order.
void ReferenceAdd(std::vector<TRect>& list, const TRect& r) {
    for (TRect& n : list) {
        if (IsRectEmpty(IntersectRects(n, r))) continue;
        if (r.Left >= n.Left && r.Top >= n.Top && r.Right <= n.Right && r.Bottom <= n.Bottom) return;
        if (n.Left >= r.Left && n.Top >= r.Top && n.Right <= r.Right && n.Bottom <= r.Bottom) {
            n = r;
            return;
        }
    }
    list.push_back(r);
}

TEST(AC8Damage, ShortcutsMergeExactlyAsTheWalkOverEveryRectangle) {
    std::mt19937 rng(30);
    for (int round = 0; round < 300; ++round) {
        TDamageList list;
        std::vector<TRect> expected;
        // Small rectangles side by side as glyphs are, overlapping ones, empty ones, and now
        // and then one over all of them.
        // Long lists over a large surface (and past its edges) as well, where the list keeps
        // its grid of neighbours.
        const bool large = round % 3 == 2;
        const int spread = large ? 300 + round * 4 : 8 + round % 90;
        std::uniform_int_distribution<int> pos(large ? -40 : 0, spread), size(0, large ? 70 : 12), kind(0, 19);
        for (int i = 0; i < (large ? 400 : 60); ++i) {
            TRect r;
            switch (kind(rng)) {
                case 0: r = {-1, -1, spread + 20, spread + 20}; break;
                case 1: r = {pos(rng), pos(rng), 0, 0}; break;
                case 2: r = {2, 2, spread / 2, spread / 2}; break;
                default: {
                    const int x = pos(rng), y = pos(rng);
                    r = {x, y, x + size(rng), y + size(rng)};
                }
            }
            list.Add(r);
            ReferenceAdd(expected, r);
            std::vector<TRect> got;
            for (auto* node : NodesOf<TDamageNode>(list)) got.push_back(node->Rect);
            ASSERT_EQ(got, expected) << "round " << round << ", rectangle " << i;
        }
        list.Clear();
        expected.clear();
        list.Add({100, 100, 110, 110});  // after clearing, nothing old is met
        ReferenceAdd(expected, {100, 100, 110, 110});
        list.Add({0, 0, 5, 5});
        ReferenceAdd(expected, {0, 0, 5, 5});
        std::vector<TRect> got;
        for (auto* node : NodesOf<TDamageNode>(list)) got.push_back(node->Rect);
        EXPECT_EQ(got, expected);
    }
}

TEST(AC8Damage, IsNormalisedForTheSurface) {
    TestSurface s(50, 40);
    s->AddDamage({60, 50, -10, 30});
    EXPECT_EQ(DamageOf(*s), (std::vector<TRect>{{0, 30, 50, 40}}));
}

// What the parent must look like: its own drawing with every visible layer over it, in
// priority order, each mirrored by its source's flips and without its transparent pixels.
Picture Compose(const Picture& background, const TAC8ImageData& parent) {
    Picture out = background;
    for (auto* layer : NodesOf<TAC8LayerNode>(parent.Layers())) {
        if (!layer->Visible) continue;
        const TAC8ImageData& src = layer->Source();
        const TRect sr = layer->SourceRect;
        const int w = RectWidth(sr), h = RectHeight(sr);
        for (int ly = 0; ly < h; ++ly)
            for (int lx = 0; lx < w; ++lx) {
                const int sx = sr.Left + (src.FlipHorizontal ? w - 1 - lx : lx);
                const int sy = sr.Top + (src.FlipVertical ? h - 1 - ly : ly);
                const int dx = layer->X + lx, dy = layer->Y + ly;
                if (!PtInRect(parent.GetBounds(), {dx, dy}) || !PtInRect(src.GetBounds(), {sx, sy})) continue;
                const std::uint8_t v = src.GetPixel({sx, sy});
                if (v == src.TransparentColour()) continue;
                out.At(dx, dy) = v;
            }
    }
    return out;
}

platform::CanvasPalette GreyPalette() {
    platform::CanvasPalette palette{};
    for (int i = 0; i < 256; ++i) palette[i] = {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i)};
    return palette;
}

Picture CanvasPicture(const platform::MemoryCanvas& canvas) {
    Picture p{canvas.Width(), canvas.Height(), {}};
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) p.Pixels.push_back(static_cast<std::uint8_t>(canvas.PixelAt(x, y)));
    return p;
}

TAC8LayerDesc LayerAt(int x, int y, std::uint16_t priority = 0) {
    TAC8LayerDesc d;
    d.X = x;
    d.Y = y;
    d.Priority = priority;
    return d;
}

TEST(AC8Layers, ShowHideAndDrawingUnderALayerKeepThePictureComposed) {
    std::mt19937 rng(3);
    TestSurface parent(40, 30, true), sprite(10, 8);
    surface_test::FillRandom(rng, *parent, 200);
    Picture background = Read(*parent);
    surface_test::FillRandom(rng, *sprite, 4);
    sprite->SetTransparency(0, true);

    TAC8LayerNode* layer = parent->AddLayer(*sprite, LayerAt(5, 6));
    EXPECT_EQ(Read(*parent), Compose(background, *parent));
    EXPECT_EQ(sprite->Parents().CachedCount(), 1);

    // A change under the layer redraws what lies above it...
    parent->FillRect({0, 0, 12, 12}, 250);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) background.At(x, y) = 250;
    EXPECT_EQ(Read(*parent), Compose(background, *parent));

    // ...and survives the layer being hidden: the save-under follows the drawing.
    parent->SetLayerNodeVisible(layer, false);
    EXPECT_EQ(Read(*parent), background);
    parent->SetLayerNodeVisible(layer, false);  // already hidden: nothing happens
    EXPECT_EQ(Read(*parent), background);

    parent->SetLayerNodeVisible(layer, true);
    const Picture shown = Read(*parent);
    parent->SetLayerNodeVisible(layer, true);  // showing twice changes nothing
    EXPECT_EQ(Read(*parent), shown);
    EXPECT_EQ(parent->GetLayerNodeDesc(layer).Hidden, 0);

    parent->RemoveLayerNode(layer);
    EXPECT_EQ(Read(*parent), background);
    EXPECT_TRUE(parent->Layers().IsEmpty());
    EXPECT_TRUE(sprite->Parents().IsEmpty());
}

TEST(AC8Layers, HigherPriorityDrawsOnTopWhateverTheOrderOfAdding) {
    TestSurface parent(20, 20), low(8, 8), high(8, 8);
    low->FillRect(low->GetBounds(), 1);
    high->FillRect(high->GetBounds(), 2);
    parent->AddLayer(*high, LayerAt(4, 4, 9));
    parent->AddLayer(*low, LayerAt(0, 0, 3));
    EXPECT_EQ(parent->GetPixel({5, 5}), 2);
    EXPECT_EQ(parent->GetPixel({1, 1}), 1);
    EXPECT_EQ(parent->GetPixel({10, 10}), 2);
}

TEST(AC8Layers, ChangesOfTheSourceReachTheParentWithDamage) {
    TestSurface parent(30, 20, true), sprite(6, 6);
    parent->FillRect(parent->GetBounds(), 7);
    const Picture background = Read(*parent);
    sprite->FillRect(sprite->GetBounds(), 3);
    sprite->SetTransparency(9, true);
    parent->AddLayer(*sprite, LayerAt(10, 4));
    parent->ClearDamage();

    sprite->FillRect({1, 1, 3, 3}, 4);
    EXPECT_EQ(parent->GetPixel({11, 5}), 4);
    EXPECT_EQ(DamageOf(*parent), (std::vector<TRect>{{11, 5, 13, 7}}));

    // Pixels turned transparent let the parent's own picture show through again.
    sprite->FillRect({0, 0, 6, 2}, 9);
    EXPECT_EQ(Read(*parent), Compose(background, *parent));
    EXPECT_EQ(parent->GetPixel({10, 4}), 7);
}

TEST(AC8Layers, RandomDrawingKeepsPictureAndScreenInStep) {
    std::mt19937 rng(11);
    const auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 40; ++round) {
        TestSurface parent(48, 32, true);
        surface_test::FillRandom(rng, *parent, 250);
        Picture background = Read(*parent);
        std::vector<TestSurface> sources;
        for (int i = 0; i < 3; ++i) {
            sources.emplace_back(in(2, 16), in(2, 12));
            surface_test::FillRandom(rng, *sources.back(), 3);
            sources.back()->SetTransparency(0, i != 1);
        }
        std::vector<TAC8LayerNode*> layers;
        for (int i = 0; i < 4; ++i) {
            TAC8LayerDesc d = LayerAt(in(-6, 44), in(-6, 30), static_cast<std::uint16_t>(in(0, 3)));
            d.Hidden = static_cast<std::uint8_t>(in(0, 3) == 0);
            layers.push_back(parent->AddLayer(*sources[static_cast<std::size_t>(i % 3)], d));
        }
        platform::MemoryCanvas screen(48, 32);
        screen.SelectPalette(GreyPalette());
        parent->Display(screen, {0, 0}, parent->GetBounds());
        parent->ClearDamage();

        for (int step = 0; step < 30; ++step) {
            switch (in(0, 3)) {
            case 0: {  // draw into the parent, under the layers
                const TRect r{in(-5, 48), in(-5, 32), in(-5, 53), in(-5, 37)};
                const auto colour = static_cast<std::uint8_t>(in(100, 120));
                parent->FillRect(r, colour);
                const TRect c = parent->ClipForDrawing(r);
                for (int y = c.Top; y < c.Bottom; ++y)
                    for (int x = c.Left; x < c.Right; ++x) background.At(x, y) = colour;
                break;
            }
            case 1: {  // draw into a source
                TAC8ImageData& s = *sources[static_cast<std::size_t>(in(0, 2))];
                s.FillRect({in(-2, 16), in(-2, 12), in(-2, 18), in(-2, 14)}, static_cast<std::uint8_t>(in(0, 2)));
                break;
            }
            case 2:
                parent->SetLayerNodeVisible(layers[static_cast<std::size_t>(in(0, 3))], in(0, 1) == 1);
                break;
            default: {  // flip a source for the next copies
                TAC8ImageData& s = *sources[static_cast<std::size_t>(in(0, 2))];
                s.FlipHorizontal = !s.FlipHorizontal;
                s.FillRect(s.GetBounds(), static_cast<std::uint8_t>(in(0, 2)));  // redraws it mirrored
                break;
            }
            }
            ASSERT_EQ(Read(*parent), Compose(background, *parent)) << "round " << round << " step " << step;
            parent->DisplayDamage(screen, {0, 0});
            ASSERT_FALSE(parent->HasDamage());
            ASSERT_EQ(CanvasPicture(screen), Read(*parent)) << "round " << round << " step " << step;
        }
        for (auto* layer : layers) parent->RemoveLayerNode(layer);
        ASSERT_EQ(Read(*parent), background) << "round " << round;
    }
}

TEST(AC8Layers, ScaledLayerShowsTheSourceStretched) {
    TestSurface parent(20, 20), sprite(2, 2);
    *sprite->StartLine(0, 0) = 1;
    *sprite->StartLine(1, 0) = 2;
    *sprite->StartLine(0, 1) = 3;
    *sprite->StartLine(1, 1) = 4;
    TAC8LayerDesc d = LayerAt(3, 3);
    d.ScaleX = 3;
    d.ScaleY = 3;
    d.ScaleDiv = 1;
    TAC8LayerNode* layer = parent->AddLayer(*sprite, d);
    EXPECT_EQ(layer->Area(), (TRect{3, 3, 9, 9}));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(parent->GetPixel({3 + x, 3 + y}), 1 + x / 3 + 2 * (y / 3));

    sprite->FillRect({1, 1, 2, 2}, 8);
    EXPECT_EQ(parent->GetPixel({8, 8}), 8);
    EXPECT_EQ(parent->GetPixel({5, 5}), 1);
    parent->RemoveLayerNode(layer);
    EXPECT_EQ(Read(*parent), (Picture{20, 20, std::vector<std::uint8_t>(400, 0)}));
}

TEST(AC8Layers, SourceRectangleShowsPartOfTheSource) {
    TestSurface parent(20, 10), sheet(12, 4);
    for (int x = 0; x < 12; ++x) sheet->VLine({x, 0}, 4, static_cast<std::uint8_t>(x + 1));
    TAC8LayerDesc d = LayerAt(2, 2);
    d.UseSourceRect = 1;
    d.SourceRect = {4, 0, 8, 4};
    TAC8LayerNode* layer = parent->AddLayer(*sheet, d);
    EXPECT_EQ(layer->Area(), (TRect{2, 2, 6, 6}));
    EXPECT_EQ(parent->GetPixel({2, 2}), 5);
    EXPECT_EQ(parent->GetPixel({5, 5}), 8);
    EXPECT_EQ(parent->GetPixel({6, 2}), 0);

    // A change of the sheet outside the part shown leaves the parent alone.
    parent->ClearDamage();
    sheet->FillRect({0, 0, 2, 4}, 99);
    EXPECT_FALSE(parent->HasDamage());
    sheet->FillRect({5, 1, 6, 2}, 42);
    EXPECT_EQ(parent->GetPixel({3, 3}), 42);
}

TEST(AC8Layers, RefusesUnknownLayersParentsAndBadSizes) {
    TestSurface a(10, 10), b(10, 10), c(4, 4);
    TAC8LayerNode* own = a->AddLayer(*c, LayerAt(0, 0));
    EXPECT_THROW(b->RemoveLayerNode(own), AC8Exception);  // not b's
    try {
        a->RemoveLayerNode(nullptr);
        FAIL();
    } catch (const AC8Exception& e) {
        EXPECT_STREQ(e.what(), "RemoveLayerNode: Unknown layer");
    }
    try {
        a->SetLayerNodeVisible(nullptr, true);
        FAIL();
    } catch (const AC8Exception& e) {
        EXPECT_STREQ(e.what(), "SetLayerNodeVisible: Unknown layer");
    }
    try {
        a->GetLayerNodeDesc(nullptr);
        FAIL();
    } catch (const AC8Exception& e) {
        EXPECT_STREQ(e.what(), "SetLayerNodeSourceRect: Unknown layer");
    }
    try {
        c->AddLayer(*a, LayerAt(0, 0));  // a shows c: c may not show a
        FAIL();
    } catch (const AC8Exception& e) {
        EXPECT_STREQ(e.what(), "AddLayer: can't make parent a layer");
    }
    EXPECT_THROW(a->AddLayer(*a, LayerAt(0, 0)), AC8Exception);
    TAC8LayerDesc d = LayerAt(0, 0);
    d.ScaleDiv = 0;
    EXPECT_THROW(a->AddLayer(*c, d), AC8Exception);
    d = LayerAt(0, 0);
    d.UseSourceRect = 1;  // an empty source rectangle
    EXPECT_THROW(a->AddLayer(*c, d), AC8Exception);
    EXPECT_EQ(a->Layers().CachedCount(), 1);
}

TEST(AC8Layers, DestroyingEitherSurfaceUnlinksTheOther) {
    TestSurface parent(16, 16);
    parent->FillRect(parent->GetBounds(), 5);
    const Picture background = Read(*parent);
    {
        TestSurface sprite(4, 4);
        sprite->FillRect(sprite->GetBounds(), 6);
        parent->AddLayer(*sprite, LayerAt(2, 2));
        parent->AddLayer(*sprite, LayerAt(8, 8));
        EXPECT_EQ(sprite->Parents().CachedCount(), 1);
    }
    EXPECT_TRUE(parent->Layers().IsEmpty());
    EXPECT_EQ(Read(*parent), background);

    TestSurface sprite(4, 4);
    {
        TestSurface other(16, 16);
        other->AddLayer(*sprite, LayerAt(0, 0));
        EXPECT_EQ(sprite->Parents().CachedCount(), 1);
    }
    EXPECT_TRUE(sprite->Parents().IsEmpty());
    sprite->FillRect(sprite->GetBounds(), 1);  // no parent left to reach
}

TEST(AC8Layers, CopyLayersRepeatsSourcesAndDescriptors) {
    TestSurface a(16, 16), b(16, 16), empty(16, 16), sprite(4, 4);
    sprite->FillRect(sprite->GetBounds(), 3);
    a->AddLayer(*sprite, LayerAt(1, 1, 2));
    TAC8LayerDesc hidden = LayerAt(9, 9, 1);
    hidden.Hidden = 1;
    a->AddLayer(*sprite, hidden);

    b->CopyLayers(*empty);
    EXPECT_TRUE(b->Layers().IsEmpty());
    b->CopyLayers(*a);
    ASSERT_EQ(b->Layers().CachedCount(), 2);
    auto* first = static_cast<TAC8LayerNode*>(b->Layers().First());
    EXPECT_EQ(b->GetLayerNodeDesc(first).X, 9);
    EXPECT_EQ(b->GetLayerNodeDesc(first).Hidden, 1);
    EXPECT_EQ(b->GetPixel({1, 1}), 3);
    EXPECT_EQ(b->GetPixel({9, 9}), 0);
    EXPECT_EQ(sprite->Parents().CachedCount(), 2);
}

}  // namespace
