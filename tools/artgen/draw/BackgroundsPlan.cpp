// The floor plan of a quest, read from the dude's walls. Every layout is built of horizontal floors
// closed above by up walls and below by down walls, joined where a wall line leaves a gap; so each
// column of the field can be classified on its own, and columns between two wall ends share it.
#include "draw/BackgroundDraw.h"

#include <algorithm>

namespace artgen {

namespace {

struct Line {
    int y;
    Bound kind;
};

constexpr int kDudeWidth = 29;

// Says whether a stretch bounded as given is floor; see floorPlan in the header.
bool isFloorBetween(Bound top, Bound bottom)
{
    const bool openAbove = top == Bound::UpWall;       // the dude cannot rise out of it
    const bool openBelow = bottom == Bound::DownWall;  // the dude cannot sink out of it
    if (openAbove || openBelow)
        return true;
    return top == Bound::None && bottom == Bound::None;
}

// A side wall at x between y1 and y2 of a column band: facing into it or away from it.
struct SideWall {
    int y1, y2;
    bool facesIn;
};

std::vector<SideWall> sideWallsOf(const DudeLayout& dude, int x0, int x1)
{
    std::vector<SideWall> sides;
    for (const VerticalWall& w : dude.left) {
        if (w.x == x0)
            sides.push_back({w.y1, w.y2, true});
        if (w.x == x1)
            sides.push_back({w.y1, w.y2, false});
    }
    for (const VerticalWall& w : dude.right) {
        if (w.x == x1)
            sides.push_back({w.y1, w.y2, true});
        if (w.x == x0)
            sides.push_back({w.y1, w.y2, false});
    }
    return sides;
}

std::vector<Line> linesOver(const DudeLayout& dude, int x0, int x1)
{
    std::vector<Line> lines;
    auto collect = [&](std::span<const HorizontalWall> walls, Bound kind) {
        for (const HorizontalWall& w : walls)
            if (w.x1 <= x0 && w.x2 >= x1 && w.y > 0 && w.y < kFieldHeight)
                lines.push_back({w.y, kind});
    };
    collect(dude.up, Bound::UpWall);
    collect(dude.down, Bound::DownWall);
    // On a shared line the down-wall closes the floor above before the up-wall opens the floor below.
    std::sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) {
        if (a.y != b.y)
            return a.y < b.y;
        return a.kind == Bound::DownWall && b.kind != Bound::DownWall;
    });
    return lines;
}

std::vector<Run> runsOf(const std::vector<Line>& lines)
{
    std::vector<Run> runs;
    int y = 0;
    Bound top = Bound::None;
    auto close = [&](int y1, Bound bottom) {
        if (y1 <= y)
            return;  // two walls on one line: the second bounds nothing new
        const bool floor = isFloorBetween(top, bottom);
        if (!runs.empty() && runs.back().floor == floor && runs.back().y1 == y)
            runs.back() = {runs.back().y0, y1, floor, runs.back().top, bottom};
        else
            runs.push_back({y, y1, floor, top, bottom});
    };
    for (const Line& line : lines) {
        close(line.y, line.kind);
        y = line.y;
        top = line.kind;
    }
    close(kFieldHeight, Bound::None);
    return runs;
}

void addUnique(std::vector<int>& xs, int x)
{
    if (x > 0 && x < kFieldWidth)
        xs.push_back(x);
}

// Rows of bands: the y values where any band's runs change.
std::vector<int> rowBreaks(const FloorPlan& plan)
{
    std::vector<int> ys = {0, kFieldHeight};
    for (const Band& band : plan.bands)
        for (const Run& run : band.runs)
            ys.push_back(run.y0);
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    return ys;
}

// Splits band runs at y so that a run can change on one side of it.
void splitAt(Band& band, int y)
{
    for (std::size_t k = 0; k < band.runs.size(); ++k) {
        Run& run = band.runs[k];
        if (run.y0 < y && y < run.y1) {
            Run lower = run;
            lower.y0 = y;
            lower.top = Bound::None;
            run.bottom = Bound::None;
            run.y1 = y;
            band.runs.insert(band.runs.begin() + k + 1, lower);
            return;
        }
    }
}

void mergeRuns(Band& band)
{
    std::vector<Run> merged;
    for (const Run& run : band.runs) {
        if (!merged.empty() && merged.back().floor == run.floor) {
            merged.back().y1 = run.y1;
            merged.back().bottom = run.bottom;
        } else {
            merged.push_back(run);
        }
    }
    band.runs = merged;
}

// A strip of floor narrower than the dude, closed on both sides, is a sliver left between walls
// that end a few pixels apart: nobody can stand there, so it is drawn as part of the walls.
void fillNarrowGaps(FloorPlan& plan)
{
    const std::vector<int> ys = rowBreaks(plan);
    for (std::size_t k = 0; k + 1 < ys.size(); ++k) {
        const int y = ys[k];
        std::size_t first = 0;
        while (first < plan.bands.size()) {
            if (!plan.isFloor(plan.bands[first].x0, y)) {
                ++first;
                continue;
            }
            std::size_t last = first;
            while (last + 1 < plan.bands.size() && plan.isFloor(plan.bands[last + 1].x0, y))
                ++last;
            if (plan.bands[last].x1 - plan.bands[first].x0 < kDudeWidth)
                for (std::size_t i = first; i <= last; ++i) {
                    Band& band = plan.bands[i];
                    splitAt(band, y);
                    splitAt(band, ys[k + 1]);
                    for (Run& run : band.runs)
                        if (run.y0 >= y && run.y1 <= ys[k + 1])
                            run.floor = false;
                }
            first = last + 1;
        }
    }
    for (Band& band : plan.bands)
        mergeRuns(band);
}

// A band no horizontal wall crosses is a shaft the dude walks along when a side wall faces into it;
// without one it is floor only where it joins floor on both sides (a corridor running through).
// Either way it is mass where a side wall faces away from it.
void settleUnwalledBand(FloorPlan& plan, std::size_t i, const std::vector<SideWall>& sides)
{
    Band& band = plan.bands[i];
    const bool shaft = std::any_of(sides.begin(), sides.end(), [](const SideWall& s) { return s.facesIn; });
    std::vector<int> ys = {0, kFieldHeight};
    for (const SideWall& s : sides) {
        ys.push_back(std::clamp(s.y1, 0, kFieldHeight));
        ys.push_back(std::clamp(s.y2, 0, kFieldHeight));
    }
    auto addBreaks = [&](const Band* neighbour) {
        if (neighbour)
            for (const Run& run : neighbour->runs)
                ys.push_back(run.y0);
    };
    const Band* left = i > 0 ? &plan.bands[i - 1] : nullptr;
    const Band* right = i + 1 < plan.bands.size() ? &plan.bands[i + 1] : nullptr;
    addBreaks(left);
    addBreaks(right);
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

    auto floorIn = [](const Band* b, int y) {
        if (!b)
            return false;
        for (const Run& run : b->runs)
            if (y >= run.y0 && y < run.y1)
                return run.floor;
        return false;
    };
    std::vector<Run> runs;
    for (std::size_t k = 0; k + 1 < ys.size(); ++k) {
        const int y = ys[k];
        const bool shutOut = std::any_of(sides.begin(), sides.end(),
                                         [&](const SideWall& s) { return !s.facesIn && y >= s.y1 && y < s.y2; });
        const bool floor = !shutOut && (shaft || (floorIn(left, y) && floorIn(right, y)));
        runs.push_back({y, ys[k + 1], floor, Bound::None, Bound::None});
    }
    band.runs = runs;
    mergeRuns(band);
}

}  // namespace

FloorPlan floorPlan(const DudeLayout& dude)
{
    std::vector<int> xs = {0, kFieldWidth};
    for (auto walls : {dude.up, dude.down})
        for (const HorizontalWall& w : walls) {
            addUnique(xs, w.x1);
            addUnique(xs, w.x2);
        }
    for (auto walls : {dude.left, dude.right})
        for (const VerticalWall& w : walls)
            addUnique(xs, w.x);
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());

    FloorPlan plan;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        plan.bands.push_back({xs[i], xs[i + 1], runsOf(linesOver(dude, xs[i], xs[i + 1]))});
    }
    for (std::size_t i = 0; i < plan.bands.size(); ++i)
        if (plan.bands[i].runs.size() == 1)
            settleUnwalledBand(plan, i, sideWallsOf(dude, plan.bands[i].x0, plan.bands[i].x1));
    fillNarrowGaps(plan);
    return plan;
}

bool FloorPlan::isFloor(int x, int y) const
{
    for (const Band& band : bands)
        if (x >= band.x0 && x < band.x1)
            for (const Run& run : band.runs)
                if (y >= run.y0 && y < run.y1)
                    return run.floor;
    return false;
}

std::vector<FieldRect> FloorPlan::floorRects() const
{
    std::vector<FieldRect> rects;
    for (const Band& band : bands)
        for (const Run& run : band.runs)
            if (run.floor)
                rects.push_back({band.x0, run.y0, band.x1, run.y1});
    return rects;
}

std::vector<FieldRect> FloorPlan::outline() const
{
    std::vector<FieldRect> lines;
    for (const Band& band : bands)
        for (std::size_t k = 0; k + 1 < band.runs.size(); ++k)
            lines.push_back({band.x0, band.runs[k].y1, band.x1, band.runs[k].y1});
    // Between neighbouring bands: wherever one side is floor and the other is not.
    for (std::size_t i = 0; i + 1 < bands.size(); ++i) {
        const int x = bands[i].x1;
        std::vector<int> ys = {0, kFieldHeight};
        for (const Band* b : {&bands[i], &bands[i + 1]})
            for (const Run& run : b->runs)
                ys.push_back(run.y0);
        std::sort(ys.begin(), ys.end());
        ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
        for (std::size_t k = 0; k + 1 < ys.size(); ++k) {
            const int y = ys[k];
            if (isFloor(x - 1, y) == isFloor(x, y))
                continue;
            if (!lines.empty() && lines.back().x0 == x && lines.back().x1 == x && lines.back().y1 == y)
                lines.back().y1 = ys[k + 1];
            else
                lines.push_back({x, y, x, ys[k + 1]});
        }
    }
    return lines;
}

}  // namespace artgen
