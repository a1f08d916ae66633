#include "platform/SdlFont.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/FontLocator.h"
#include "platform/Platform.h"
#include "platform/SdlRenderer.h"

namespace {

namespace dt = platform::dt;
using platform::Rect;

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kBlack = 0xFF000000u;
const Rect kScreen{0, 0, kWidth, kHeight};

// Where text left ink on the white page: the bounding box of the pixels that
// are not white (right and bottom exclusive), and how many there are.
struct InkBox {
    int left = 0, top = 0, right = 0, bottom = 0, pixels = 0;
    bool Empty() const { return pixels == 0; }
};

InkBox FindInk(const std::vector<uint32_t>& pixels, const Rect& area) {
    InkBox box{area.right, area.bottom, area.left, area.top, 0};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (pixels[static_cast<size_t>(y) * kWidth + x] != kWhite) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1), box.pixels + 1};
            }
        }
    }
    return box;
}

int InkOutside(const std::vector<uint32_t>& pixels, const Rect& inside) {
    return FindInk(pixels, kScreen).pixels - FindInk(pixels, inside).pixels;
}

class SdlFontTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::Initialize());
        renderer = platform::SdlRenderer::CreateOffscreen(kWidth, kHeight);
        ASSERT_NE(renderer, nullptr);
        renderer->Clear(kWhite);
    }
    void TearDown() override {
        faces.clear();
        renderer.reset();
        platform::Shutdown();
    }
    platform::SdlFont& Face(const std::string& name, int height) {
        std::unique_ptr<platform::FontFace> face = renderer->CreateFont(name, height);
        auto* sdlFont = dynamic_cast<platform::SdlFont*>(face.get());
        EXPECT_NE(sdlFont, nullptr) << name << " " << height;
        faces.push_back(std::move(face));
        return *sdlFont;
    }
    void Draw(platform::SdlFont& face, const std::string& text, Rect rect, uint32_t format,
              uint32_t colour = kBlack) {
        renderer->DrawText(face, text, rect, format, colour);
        renderer->Present();  // the renderer draws recorded calls when presenting
    }
    InkBox InkOf(const std::string& text, platform::SdlFont& face, Rect rect, uint32_t format) {
        renderer->Clear(kWhite);
        Draw(face, text, rect, format);
        return FindInk(renderer->ReadPixels(), kScreen);
    }
    std::unique_ptr<platform::SdlRenderer> renderer;
    std::vector<std::unique_ptr<platform::FontFace>> faces;
};

TEST_F(SdlFontTest, TheProgramsFacesResolveToTheirBoldTwins) {
    EXPECT_NE(platform::FindFontFile("Arial").path.find("LiberationSans-Bold."), std::string::npos);
    const platform::FontFile comic = platform::FindFontFile("Comic Sans MS");
    EXPECT_NE(comic.path.find("ComicNeue-Bold."), std::string::npos) << comic.path;
    EXPECT_TRUE(comic.bold);
    EXPECT_EQ(platform::FindFontFile("comic sans ms").path, comic.path);
    EXPECT_FALSE(platform::FindFontFile("Keine Schrift dieses Namens").path.empty());
    EXPECT_EQ(Face("Comic Sans MS", 30).FilePath(), comic.path);
    EXPECT_EQ(renderer->CreateFont("Arial", 0), nullptr);
}

TEST_F(SdlFontTest, LinesAdvanceByExactlyTheRequestedHeight) {
    for (const char* name : {"Arial", "Comic Sans MS"}) {
        for (int height : {15, 40, 150}) {
            platform::SdlFont& face = Face(name, height);
            EXPECT_LE(face.GlyphCellHeight(), height) << name << " " << height;
            EXPECT_GE(face.GlyphCellHeight(), height - 3) << name << " " << height;
            const Rect rect{10, 10, kWidth, kHeight};
            const InkBox first = InkOf("H", face, rect, dt::Left);
            ASSERT_FALSE(first.Empty());
            EXPECT_EQ(InkOf("\nH", face, rect, dt::Left).top - first.top, height) << name << " " << height;
        }
    }
}

TEST_F(SdlFontTest, InkFollowsTheLayoutStaysInsideTheRectangleUnlessNoClipAndReadsWindows1252) {
    platform::SdlFont& face = Face("Arial", 40);
    const InkBox centred = InkOf("HOH", face, Rect{100, 100, 500, 300}, dt::Center | dt::VCenter);
    EXPECT_NEAR((centred.left + centred.right) / 2.0, 300.0, 2.0);
    EXPECT_NEAR((centred.top + centred.bottom) / 2.0, 200.0, 4.0);
    const std::string text = "Ein Satz, der nicht in das Rechteck passt";
    const Rect rect{100, 50, 300, 70};
    renderer->Clear(kWhite);
    Draw(face, text, rect, dt::Center | dt::VCenter);
    const std::vector<uint32_t> pixels = renderer->ReadPixels();
    EXPECT_GT(FindInk(pixels, rect).pixels, 50);
    EXPECT_EQ(InkOutside(pixels, rect), 0);
    renderer->Clear(kWhite);
    Draw(face, text, rect, dt::Center | dt::VCenter | dt::NoClip);
    EXPECT_GT(InkOutside(renderer->ReadPixels(), rect), 100);
    // Text arrives in Windows-1252: the umlaut's dots stand above the plain letter.
    const Rect page{50, 50, kWidth, kHeight};
    EXPECT_LT(InkOf("\xC4", face, page, dt::Left).top, InkOf("A", face, page, dt::Left).top - 3);
    renderer->Clear(kWhite);
    Draw(face, "A", page, dt::Left, 0x00000000u);  // the colour's alpha counts too
    EXPECT_TRUE(FindInk(renderer->ReadPixels(), kScreen).Empty());
}

TEST_F(SdlFontTest, ALineIsRasterisedOnceWhateverItsColourUntilTheCacheIsDropped) {
    platform::SdlFont& face = Face("Arial", 20);
    const Rect rect{0, 0, kWidth, kHeight};
    Draw(face, "Hallo Welt", rect, dt::Center);
    const std::vector<uint32_t> first = renderer->ReadPixels();
    renderer->Clear(kWhite);
    Draw(face, "Hallo Welt", rect, dt::Center);
    EXPECT_EQ(renderer->ReadPixels(), first);
    Draw(face, "Hallo Welt", rect, dt::Left, 0xFFFF0000u);
    Draw(face, "Hallo\nWelt", rect, dt::Left);
    Draw(face, "Welt\nHallo Welt", rect, dt::Left);
    EXPECT_EQ(face.RasterisedLines(), 3);
    EXPECT_EQ(face.CachedLines(), 3);
    // Another face of the same file and height keeps its own lines.
    platform::SdlFont& twin = Face("Arial", 20);
    Draw(twin, "Hallo Welt", rect, dt::Left);
    EXPECT_EQ(twin.RasterisedLines(), 1);
    face.DropCache();
    EXPECT_EQ(face.CachedLines(), 0);
    Draw(face, "Hallo Welt", rect, dt::Left);
    EXPECT_EQ(face.RasterisedLines(), 4);
}

TEST_F(SdlFontTest, TheLineCacheIsBoundedAndForgetsTheOldestLines) {
    platform::SdlFont& face = Face("Arial", 15);
    const Rect rect{0, 0, kWidth, kHeight};
    const int lines = static_cast<int>(platform::SdlFont::kMaxCachedLines) + 10;
    for (int i = 0; i < lines; ++i) {
        Draw(face, std::to_string(i), rect, dt::Left);
    }
    EXPECT_EQ(face.CachedLines(), static_cast<int>(platform::SdlFont::kMaxCachedLines));
    Draw(face, std::to_string(lines - 1), rect, dt::Left);
    EXPECT_EQ(face.RasterisedLines(), lines);
    Draw(face, "0", rect, dt::Left);
    EXPECT_EQ(face.RasterisedLines(), lines + 1);
}

TEST_F(SdlFontTest, AFaceWhoseRendererIsGoneDrawsNothing) {
    platform::SdlFont& face = Face("Arial", 30);
    const Rect rect{0, 0, kWidth, kHeight};
    Draw(face, "vorher", rect, dt::Left);
    EXPECT_EQ(face.CachedLines(), 1);
    platform::SdlFont::ForgetRenderer(renderer->Handle());
    EXPECT_EQ(face.CachedLines(), 0);
    renderer->Clear(kWhite);
    Draw(face, "nachher", rect, dt::Left);
    EXPECT_TRUE(FindInk(renderer->ReadPixels(), rect).Empty());
}

}  // namespace
