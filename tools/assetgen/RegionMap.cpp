#include "RegionMap.h"

#include <stdexcept>

namespace {

class MapBuilder {
public:
    explicit MapBuilder(std::vector<RegionInfo>& out) : out_(out) {}

    MapBuilder& Sheet(const char* texture, bool painted) {
        texture_ = texture;
        painted_ = painted;
        return *this;
    }
    void Add(const std::string& name, Rect rect, Coverage coverage) {
        out_.push_back({texture_, name, rect, coverage, painted_});
    }
    // A region the game draws in a colour, not only white.
    void AddTinted(const std::string& name, Rect rect, Coverage coverage) {
        out_.push_back({texture_, name, rect, coverage, painted_, true});
    }
    // A menu button and its highlighted copy directly below it.
    void AddButton(const std::string& name, Rect rect, Coverage coverage = Coverage::Body) {
        Add(name, rect, coverage);
        Add(name + " lit", rect.Below(), coverage);
    }

private:
    std::vector<RegionInfo>& out_;
    std::string texture_;
    bool painted_ = false;
};

void AddMisc1(MapBuilder& m) {
    m.Sheet("misc1.PNG", true);
    for (int f = 0; f < 10; ++f) {
        m.Add("pointer " + std::to_string(f), {50 * f, 0, 50 * f + 50, 50}, Coverage::Pointer);
    }
    m.Add("veil", {500, 0, 550, 50}, Coverage::Opaque);
    m.AddTinted("cell", {550, 0, 600, 50}, Coverage::Opaque);
    m.AddTinted("peg", {605, 5, 645, 45}, Coverage::Shape);
    m.Add("mark reflected", {650, 0, 700, 50}, Coverage::Free);  // a hollow arrow
    m.Add("mark absorbed", {700, 0, 750, 50}, Coverage::Shape);
    m.Add("mark doubtful", {750, 0, 800, 50}, Coverage::Free);  // a badge in the corner
    m.Add("stand", {800, 50, 910, 200}, Coverage::Shape);
    for (int t = 0; t < 4; ++t) {
        m.AddTinted("shape " + std::to_string(t), {200 * t, 150, 200 * t + 100, 250}, Coverage::Shape);
    }
    m.Add("tile", {50, 350, 100, 400}, Coverage::Shape);
    m.Add("card left", {150, 330, 270, 500}, Coverage::Shape);
    m.Add("card right", {270, 330, 390, 500}, Coverage::Shape);
    m.Add("weight", {400, 300, 532, 400}, Coverage::Shape);
    m.Add("beam", {0, 60, 350, 100}, Coverage::Shape);
    m.Add("tick", {0, 450, 50, 500}, Coverage::Shape);
    m.Add("cross", {900, 0, 950, 50}, Coverage::Shape);
    m.Add("operator box", {50, 450, 100, 500}, Coverage::Shape);
    m.Add("text box", {100, 450, 150, 500}, Coverage::Body);
    m.Add("pan", {360, 60, 610, 116}, Coverage::Shape);
    m.Add("digital clock", {600, 400, 800, 500}, Coverage::Shape);
    m.Add("clock dial", {600, 500, 800, 700}, Coverage::Shape);
    m.Add("hour hand", {800, 300, 1000, 500}, Coverage::Shape);
    m.Add("minute hand", {800, 500, 1000, 700}, Coverage::Shape);
    for (int k = 0; k < 3; ++k) {
        m.Add("puzzle " + std::to_string(k), {200 * k, 500, 200 * k + 200, 700}, Coverage::Opaque);
    }
}

void AddMisc2(MapBuilder& m) {
    m.Sheet("misc2.PNG", true);
    m.Add("veil", {500, 0, 550, 50}, Coverage::Opaque);
    m.Add("atoms help", {0, 0, 300, 340}, Coverage::Free);
    const char* ops[] = {"+", "-", "x", "/"};
    for (int k = 0; k < 4; ++k) {
        m.Add(std::string("operator ") + ops[k], {50 * k, 350, 50 * k + 50, 400}, Coverage::Shape);
        m.Add(std::string("operator ") + ops[k] + " lit", {50 * k, 400, 50 * k + 50, 450},
              Coverage::Shape);
    }
    m.Add("card face", {0, 500, 100, 600}, Coverage::Shape);
    for (int b = 0; b < 3; ++b) {
        m.Add("card back " + std::to_string(b), {100 * b + 100, 500, 100 * b + 200, 600},
              Coverage::Shape);
    }
}

void AddMisc3(MapBuilder& m) {
    m.Sheet("misc3.PNG", true);
    for (int t = 0; t < 12; ++t) {
        const int x = 100 * (t % 6);
        const int y = 200 * (t / 6) + 50;
        m.Add("symbol " + std::to_string(t), {x, y, x + 50, y + 50}, Coverage::Shape);
        m.Add("symbol " + std::to_string(t) + " lit", {x, y + 100, x + 50, y + 150}, Coverage::Shape);
    }
}

void AddMisc4(MapBuilder& m) {
    m.Sheet("misc4.PNG", true);
    struct Money {
        int cents;
        Rect rect;
    };
    const Money money[] = {
        {1, {300, 300, 400, 400}},     {2, {200, 300, 300, 400}},     {5, {100, 300, 200, 400}},
        {10, {0, 300, 100, 400}},      {20, {300, 200, 400, 300}},    {50, {200, 200, 300, 300}},
        {100, {100, 200, 200, 300}},   {200, {0, 200, 100, 300}},     {500, {0, 450, 200, 550}},
        {1000, {0, 550, 220, 650}},    {2000, {0, 650, 240, 750}},    {5000, {0, 750, 240, 850}},
        {10000, {260, 450, 520, 570}}, {20000, {260, 570, 530, 690}}, {50000, {260, 690, 540, 810}},
    };
    for (const Money& piece : money) {
        const char* kind = piece.cents <= 200 ? "coin " : "note ";
        m.Add(kind + std::to_string(piece.cents), piece.rect, Coverage::Shape);
    }
    m.Add("cash tray", {0, 0, 500, 190}, Coverage::Body);
}

void AddMenus(MapBuilder& m) {
    m.Sheet("menu1.PNG", true);
    m.Add("main panel", {0, 0, 400, 600}, Coverage::Body);
    m.Add("small panel", {350, 600, 750, 900}, Coverage::Body);
    m.Add("panel 350", {0, 600, 350, 1000}, Coverage::Body);
    m.Add("result panel", {400, 0, 1000, 450}, Coverage::Body);
    m.Add("picture de", {350, 925, 610, 995}, Coverage::Free);
    m.Add("picture en", {610, 925, 870, 995}, Coverage::Free);

    m.Sheet("menu2.PNG", true);
    m.Add("large panel", {0, 0, 800, 600}, Coverage::Body);
    m.AddButton("wide", {0, 700, 300, 750});
    m.AddButton("short", {300, 700, 400, 750});
    m.AddButton("square", {250, 600, 300, 650});
    m.AddButton("reset", {50, 600, 200, 650});
    m.Add("language", {600, 600, 624, 624}, Coverage::Shape);
    m.Add("language on", {600, 624, 624, 648}, Coverage::Shape);
    m.AddButton("scroll up", {700, 700, 750, 750});
    m.AddButton("scroll down", {750, 700, 800, 750});
    m.Add("plain", {400, 600, 600, 650}, Coverage::Body);
    m.AddButton("scroll left", {650, 600, 700, 650});
    m.AddButton("scroll right", {700, 600, 750, 650});
    // The progress chart's pieces, white to take the colour they are drawn in.
    m.AddTinted("chart dot", {752, 602, 776, 626}, Coverage::Shape);
    m.AddTinted("chart block", {780, 602, 796, 618}, Coverage::Opaque);
    m.AddTinted("chart line", {752, 632, 784, 640}, Coverage::Free);

    m.Sheet("menu3.PNG", true);
    m.Add("game list panel", {0, 0, 400, 700}, Coverage::Body);
}

void AddCards(MapBuilder& m) {
    for (int n = 0; n < 52; ++n) {
        m.Sheet(n < 28 ? "MemoryCards1.png" : "MemoryCards2.png", true);
        const int x = 88 * (n % 4);
        const int y = (128 * (n / 4)) % 896;
        m.Add("face " + std::to_string(n), {x, y, x + 88, y + 128}, Coverage::Shape);
    }
    m.Add("back", {0, 768, 88, 896}, Coverage::Shape);

    m.Sheet("Memory_Muster.PNG", true);
    for (int n = 0; n < 16; ++n) {
        const int x = 65 * (n % 8);
        const int y = 65 * (n / 8);
        m.Add("picture " + std::to_string(n), {x, y, x + 65, y + 65}, Coverage::Free);
    }
}

void AddScreens(MapBuilder& m) {
    m.Sheet("splash.PNG", true);
    m.Add("background", {0, 0, 1024, 768}, Coverage::Opaque);
    m.Add("banner de", {0, 900, 700, 1012}, Coverage::Body);
    m.Add("banner en", {0, 1012, 700, 1124}, Coverage::Body);
    m.Add("bar empty", {122, 768, 940, 834}, Coverage::Shape);
    m.Add("bar full", {122, 834, 940, 900}, Coverage::Shape);

    for (const char* back : {"back1.PNG", "back2.PNG", "back3.PNG"}) {
        m.Sheet(back, true);
        m.Add("top", {0, 0, 600, 450}, Coverage::Opaque);
        m.Add("bottom", {0, 450, 600, 900}, Coverage::Opaque);
    }
    m.Sheet("back4.PNG", true);
    m.Add("top", {0, 0, 600, 450}, Coverage::Opaque);

    m.Sheet("bg.PNG", true);
    m.Add("background", {0, 0, 1024, 768}, Coverage::Opaque);
}

std::vector<RegionInfo> BuildMap() {
    std::vector<RegionInfo> regions;
    MapBuilder m(regions);
    AddScreens(m);
    AddMisc1(m);
    AddMisc2(m);
    AddMisc3(m);
    AddMisc4(m);
    AddMenus(m);
    AddCards(m);
    return regions;
}

}  // namespace

const std::vector<RegionInfo>& RegionMap() {
    static const std::vector<RegionInfo> regions = BuildMap();
    return regions;
}

const RegionInfo& FindRegion(const std::string& texture, const std::string& name) {
    for (const RegionInfo& r : RegionMap()) {
        if (r.texture == texture && r.name == name) {
            return r;
        }
    }
    throw std::out_of_range("no region \"" + name + "\" in " + texture);
}

Rect RegionRect(const std::string& texture, const std::string& name) {
    return FindRegion(texture, name).rect;
}
