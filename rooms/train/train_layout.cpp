#include "rooms/train/train_layout.h"

#include <cstdlib>

#include "platform/random.h"

namespace {

const TTrainCell kPlainGround{};

TPoint StepOffset(std::int32_t side) {
    switch (side) {
        case kSideTop: return TPoint{0, -1};
        case kSideRight: return TPoint{1, 0};
        case kSideBottom: return TPoint{0, 1};
        default: return TPoint{-1, 0};
    }
}

bool HasTrack(std::uint8_t connector) { return connector <= 3; }

}  // namespace

TTrainLayout::TTrainLayout() { Clear(); }

TTrainCell& TTrainLayout::Cell(std::int32_t x, std::int32_t y) {
    // Writing off the table is a fault of the caller; it lands on a scratch cell.
    static thread_local TTrainCell scratch;
    if (!OnLayout(x, y)) return scratch = kPlainGround;
    return FCells[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
}

const TTrainCell& TTrainLayout::Cell(std::int32_t x, std::int32_t y) const {
    if (!OnLayout(x, y)) return kPlainGround;
    return FCells[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
}

TConnectors TTrainLayout::Connectors(std::int32_t x, std::int32_t y) const { return CellConnectors(Cell(x, y)); }

TTrainEngine& TTrainLayout::Record(int n) { return FRecords[static_cast<std::size_t>((n - 1) & 3)]; }
const TTrainEngine& TTrainLayout::Record(int n) const { return FRecords[static_cast<std::size_t>((n - 1) & 3)]; }

void TTrainLayout::Clear() {
    for (auto& column : FCells) column.fill(TTrainCell{});
    for (int n = 1; n <= 4; ++n) {
        TTrainEngine& r = Record(n);
        r.Speed = 0;
        r.State = kOnShelf;
        r.CarAttached = false;
        r.NewlyCrashed = false;
        r.IsCar = n > 2;
        r.TileX = r.TileY = -1;
    }
    FCrashLatch = false;
}

void TTrainLayout::SendTrain(int engine, std::uint8_t state, bool offTable) {
    for (int n : {engine, engine + 2}) {
        TTrainEngine& r = Record(n);
        r.State = state;
        r.NewlyCrashed = false;
        if (!offTable) continue;
        r.Speed = 0;
        r.CarAttached = false;
        r.TileX = r.TileY = -1;
    }
}

bool TTrainLayout::CompleteFlip(std::int32_t x, std::int32_t y) {
    TTrainCell& cell = Cell(x, y);
    if (!cell.IsSwitch() || !cell.FlipPending || EnginesOnTile(x, y) != 0) return false;
    cell.Throw();
    cell.FlipPending = false;
    return true;
}

std::optional<TNextTile> TTrainLayout::NextTile(std::uint8_t shape, bool forward, std::int32_t x, std::int32_t y) const {
    const int exit = ExitSide(shape, forward);
    const TPoint step = StepOffset(exit);
    const std::int32_t nx = x + step.X, ny = y + step.Y;
    const int entry = OppositeSide(exit);
    if (!OnLayout(nx, ny)) return std::nullopt;
    const std::uint8_t there = Connectors(nx, ny)[static_cast<std::size_t>(entry)];
    const std::uint8_t here = Connectors(x, y)[static_cast<std::size_t>(exit)];
    if (there == kNoTrack || here == kNoTrack) return std::nullopt;
    TNextTile next;
    next.X = nx;
    next.Y = ny;
    next.Shape = EntryShape(entry, there);
    if (!forward) next.Shape = ReverseShape(next.Shape);
    const std::uint8_t count = Shape(next.Shape).Count;
    next.FirstStep = 1;
    next.LastStep = count;
    if (there == kBufferStop) {
        if (forward)
            next.LastStep = static_cast<std::uint8_t>((count + 1) / 2 - 2);
        else
            next.FirstStep = static_cast<std::uint8_t>((count + 1) / 2 + 2);
    }
    return next;
}

std::optional<std::uint8_t> TTrainLayout::PlacingShape(std::int32_t x, std::int32_t y, bool rightHalf,
                                                       bool lowerHalf) const {
    const TConnectors c = Connectors(x, y);
    int sides = 0;
    for (const std::uint8_t v : c)
        if (HasTrack(v)) ++sides;
    if (sides < 2) return std::nullopt;
    const std::uint8_t top = c[kSideTop], right = c[kSideRight], bottom = c[kSideBottom], left = c[kSideLeft];
    if (right == 3 && left == 1) return rightHalf ? 1 : 3;
    if (top == 2 && bottom == 0) return lowerHalf ? 2 : 0;
    if (right == 3) return 3;
    if (left == 1) return 1;
    if (top == 2) return 2;
    if (bottom == 0) return 0;
    if (top == 1) return 10;
    if (top == 3) return 6;
    if (right == 0) return 7;
    if (right == 2) return 11;
    if (bottom == 1) return 4;
    if (bottom == 3) return 8;
    if (left != 0) return 5;
    return 9;
}

void TTrainLayout::SetSpeed(int engine, std::int8_t speed) {
    Record(engine).Speed = speed;
    Record(engine + 2).Speed = speed;
    FEvents ? FEvents->SpeedChanged(engine) : FNoEvents.SpeedChanged(engine);
}

bool TTrainLayout::Refuse(int n) {
    const int engine = EngineOf(n);
    SetSpeed(engine, static_cast<std::int8_t>(-Record(n).Speed));
    return false;
}

bool TTrainLayout::MoveEngine(int n, int steps) {
    bool result = true;
    for (int i = 0; i < steps; ++i) {
        TTrainEngine& r = Record(n);
        if (r.State != kOnLayout || r.Speed == 0) continue;
        const bool forward = r.Speed > 0;
        const bool following = r.IsCar ? forward : (r.CarAttached && !forward);
        const int wanted = r.Step + (forward ? 1 : -1);
        if (wanted >= r.FirstStep && wanted <= r.LastStep) {
            const bool ends = !NextTile(r.Shape, forward, r.TileX, r.TileY).has_value();
            if (ends && CrossesTileEdge(r.Shape, r.Step, static_cast<std::uint8_t>(wanted)))
                result = Refuse(n);
            else
                r.Step = static_cast<std::uint8_t>(wanted);
        } else if (following) {
            const TTrainEngine& partner = Record(PartnerOf(n));
            r.Shape = partner.Shape;
            r.TileX = partner.TileX;
            r.TileY = partner.TileY;
            r.FirstStep = partner.FirstStep;
            r.LastStep = partner.LastStep;
            r.Step = forward ? r.FirstStep : r.LastStep;
        } else if (const auto next = NextTile(r.Shape, forward, r.TileX, r.TileY)) {
            r.FirstStep = next->FirstStep;
            r.LastStep = next->LastStep;
            r.Step = forward ? r.FirstStep : r.LastStep;
            r.Shape = next->Shape;
            TTrainCell& left = Cell(r.TileX, r.TileY);
            if (left.IsSwitch() && left.Spring) left.FlipPending = true;
            r.TileX = next->X;
            r.TileY = next->Y;
        } else {
            result = Refuse(n);
        }
    }
    return result;
}

void TTrainLayout::StepTrain(int engine) {
    TTrainEngine& e = Record(engine);
    if (e.CarAttached && e.Speed < 0) {
        if (MoveEngine(engine + 2, 1)) MoveEngine(engine, 1);
    } else if (MoveEngine(engine, 1) && e.CarAttached) {
        MoveEngine(engine + 2, 1);
    }
}

TPoint TTrainLayout::EnginePosition(int n) const {
    const TTrainEngine& r = Record(n);
    const TPathStep& step = ShapeStep(r.Shape, r.Step);
    const TPoint origin = TileOrigin(r.TileX, r.TileY);
    return TPoint{origin.X + step.X, origin.Y + step.Y};
}

std::uint8_t TTrainLayout::EngineDirection(int n) const {
    const TTrainEngine& r = Record(n);
    if (r.State != kBeingPlaced && r.State != kOnLayout && r.State != kCrashed) return 0;
    int direction = ShapeStep(r.Shape, r.Step).Direction;
    if (r.State == kCrashed) direction += r.IsCar ? -2 : 2;
    return static_cast<std::uint8_t>((direction + 32) % 32);
}

TRect TTrainLayout::EngineBounds(int n) const {
    const std::uint8_t direction = EngineDirection(n);
    const TPoint at = EnginePosition(n);
    return MakeBounds(at.X, at.Y, SpriteWidth(direction), SpriteHeight(direction));
}

int TTrainLayout::EnginesOnTile(std::int32_t x, std::int32_t y) const {
    int bits = 0;
    const TRect tile = TileRect(x, y);
    for (int engine = 1; engine <= 2; ++engine) {
        const TTrainEngine& e = Record(engine);
        if (e.State != kBeingPlaced && e.State != kOnLayout && e.State != kCrashed) continue;
        if (!e.OnTable()) continue;
        const int bit = engine;
        if (!IsRectEmpty(IntersectRects(EngineBounds(engine), tile))) bits |= bit;
        if (e.CarAttached && (bits & bit) == 0 && Record(engine + 2).OnTable() &&
            !IsRectEmpty(IntersectRects(EngineBounds(engine + 2), tile)))
            bits |= bit;
    }
    return bits;
}

bool TTrainLayout::TrainsOverlap() const {
    const auto outline = [this](int n) {
        std::array<TPoint, 4> points = SpriteOutline(EngineDirection(n));
        const TPoint at = EnginePosition(n);
        for (TPoint& p : points) p = TPoint{p.X + at.X, p.Y + at.Y};
        return points;
    };
    const auto meet = [&](int a, int b) {
        const auto pa = outline(a);
        const auto pb = outline(b);
        return PolygonsIntersect(pa, pb);
    };
    const bool car1 = Record(1).CarAttached, car2 = Record(2).CarAttached;
    return meet(1, 2) || (car1 && meet(3, 2)) || (car2 && meet(1, 4)) || (car1 && car2 && meet(3, 4));
}

void TTrainLayout::ForgetCrashWhenNoneCrashed() {
    if (Record(1).State != kCrashed && Record(2).State != kCrashed) FCrashLatch = false;
}

void TTrainLayout::CheckCollision(platform::RandomNumbers& random) {
    TTrainLayoutEvents& events = FEvents ? *FEvents : FNoEvents;
    ForgetCrashWhenNoneCrashed();
    const auto running = [this](int n) { return Record(n).State == kOnLayout || Record(n).State == kCrashed; };
    if (!running(1) || !running(2)) return;
    const bool overlap = TrainsOverlap();
    if (overlap && !FCrashLatch) {
        const int a = std::abs(Record(1).Speed), b = std::abs(Record(2).Speed);
        const int crashed = a < b ? 1 : b < a ? 2 : random.Next(2) + 1;
        const int other = 3 - crashed;
        events.EraseEngine(crashed);
        TTrainEngine& c = Record(crashed);
        c.NewlyCrashed = c.State != kCrashed;
        c.State = kCrashed;
        // The car goes off the rails with its engine and is drawn turned the other way.
        if (c.CarAttached) Record(crashed + 2).State = kCrashed;
        events.DrawEngine(crashed);
        SetSpeed(crashed, 0);
        const std::int8_t was = Record(other).Speed;
        SetSpeed(other, static_cast<std::int8_t>(was > 0 ? -1 : was < 0 ? 1 : 0));
        FCrashLatch = true;
        events.Crashed(crashed);
    } else if (!overlap && FCrashLatch) {
        bool any = false;
        for (int engine = 1; engine <= 2; ++engine) {
            if (Record(engine).State != kCrashed) continue;
            events.DrawEngine(engine);
            any = true;
        }
        if (any) FCrashLatch = false;
    }
}

std::int32_t TTrainLayout::RunningSound() const {
    const auto speedOf = [this](int n) { return Record(n).State == kOnLayout ? std::abs(Record(n).Speed) : 0; };
    const int a = speedOf(1), b = speedOf(2);
    if (a == 2 && b == 2) return 81;
    if ((a == 2 && b == 1) || (a == 1 && b == 2)) return 82;
    if (a == 2) return 78;
    if (b == 2) return 79;
    if (a == 1 && b == 1) return 80;
    if (a == 1) return 76;
    if (b == 1) return 77;
    return 0;
}
