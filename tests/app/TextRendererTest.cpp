#include "app/TextRenderer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "support/RecordingRenderer.h"

namespace {

namespace dt = platform::dt;

// A renderer that finds no faces at all.
class FacelessRenderer : public RecordingRenderer {
public:
    std::unique_ptr<platform::FontFace> CreateFont(const std::string&, int) override { return nullptr; }
};

class TextRendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto recording = std::make_unique<RecordingRenderer>();
        renderer = recording.get();
        GetAppState()->renderer = std::move(recording);
        text = GetTextRenderer();
    }
    void TearDown() override {
        text->Release();
        DestroyAppState();
    }
    platform::Rect RectOfDrawAt(float x, float y, uint32_t format) {
        renderer->texts.clear();
        text->DrawTextAt("x", x, y, 0xFF000000u, format, -1);
        EXPECT_EQ(renderer->texts.size(), 1u);
        return renderer->texts.empty() ? platform::Rect{} : renderer->texts.back().rect;
    }
    static int Drops(Font* font) {
        auto* fake = dynamic_cast<RecordingRenderer::FakeFont*>(font->face.get());
        return fake == nullptr ? -1 : fake->drops;
    }
    RecordingRenderer* renderer = nullptr;
    TextRenderer* text = nullptr;
};

using Ints = std::vector<int>;

// A rectangle as {left, top, right, bottom}, for comparing whole.
Ints Corners(const platform::Rect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

TEST_F(TextRendererTest, AnchorRectanglesFollowTheAlignmentFlagsAndTheScreenSize) {
    EXPECT_EQ(Corners(RectOfDrawAt(300.0f, 10.0f, dt::Left)), (Ints{300, 10, 1024, 778}));
    EXPECT_EQ(Corners(RectOfDrawAt(10.0f, 100.0f, dt::VCenter | dt::Right)), (Ints{0, -284, 10, 484}));
    // Fractions and negative anchors are cut toward zero.
    EXPECT_EQ(Corners(RectOfDrawAt(300.5f, 100.25f, dt::Center | dt::VCenter)), (Ints{-211, -283, 813, 485}));
    EXPECT_EQ(Corners(RectOfDrawAt(-3.7f, -2.5f, dt::Right)), (Ints{0, -2, -3, 766}));
    // The format and colour go on unchanged.
    text->DrawTextAt("y", 1.0f, 2.0f, 0x80FF0000u, dt::Center | dt::WordBreak, -1);
    EXPECT_EQ(renderer->texts.back().format, dt::Center | dt::WordBreak);
    EXPECT_EQ(renderer->texts.back().colour, 0x80FF0000u);
    GetAppState()->screenWidth = 800;
    GetAppState()->screenHeight = 600;
    EXPECT_EQ(Corners(RectOfDrawAt(100.0f, 50.0f, dt::Left)), (Ints{100, 50, 800, 650}));
}

TEST_F(TextRendererTest, FontIdsChooseTheFontAndUnknownIdsUseArial15) {
    Font* comic = text->AddFont("Comic Sans MS", 30);
    text->DrawText("a", 1, 2, 3, 4, 0xFF000000u, dt::Center, 0);
    text->DrawText(std::string("b"), 1, 2, 3, 4, 0xFF000000u, dt::Center, 42);
    text->DrawTextAt("c", 5.0f, 6.0f, 0xFF000000u, dt::Left, -1);
    text->DrawText("d", 1, 2, 3, 4, 0xFF000000u, dt::Center, comic);
    ASSERT_EQ(renderer->texts.size(), 4u);
    EXPECT_EQ(renderer->texts[0].height, 30);
    EXPECT_EQ(Corners(renderer->texts[0].rect), (Ints{1, 2, 3, 4}));
    for (int i : {1, 2}) {
        EXPECT_EQ(renderer->texts[i].face, "Arial");
        EXPECT_EQ(renderer->texts[i].height, 15);
    }
    EXPECT_EQ(renderer->texts[3].face, "Comic Sans MS");
}

TEST_F(TextRendererTest, AddingAFaceAndSizeAgainReturnsTheFontItGotFirst) {
    Font* font30 = text->AddFont("Comic Sans MS", 30);
    EXPECT_EQ(text->AddFont("Comic Sans MS", 40)->id, 1);
    EXPECT_EQ(text->AddFont("Comic Sans MS", 30), font30);
    EXPECT_EQ(font30->id, 0);
    // A different size is a different font, even with the same line height.
    text->AddFont("Arial", 20);
    Font* fractional = text->AddFont("Arial", 20.7);
    EXPECT_EQ(fractional->id, 3);
    EXPECT_EQ(fractional->face->Height(), 20);
    EXPECT_EQ(text->Count(), 4);
}

TEST_F(TextRendererTest, NullTextsNullFontsAndFailedFontsDrawNothing) {
    Font* font = text->AddFont("Arial", 20);
    text->DrawText(static_cast<const char*>(nullptr), 0, 0, 10, 10, 0xFF000000u, 0, font);
    text->DrawText(static_cast<const char*>(nullptr), 0, 0, 10, 10, 0xFF000000u, 0, 99);
    text->DrawTextAt(static_cast<const char*>(nullptr), 0.0f, 0.0f, 0xFF000000u, 0, font);
    text->DrawText("x", 0, 0, 10, 10, 0xFF000000u, 0, static_cast<Font*>(nullptr));
    EXPECT_TRUE(renderer->texts.empty());
    GetAppState()->renderer = std::make_unique<FacelessRenderer>();
    Font failed("Nirgends", 25);
    EXPECT_EQ(failed.face, nullptr);
    text->DrawText("x", 0, 0, 10, 10, 0xFF000000u, 0, &failed);
    failed.OnLostDevice();
    EXPECT_FALSE(failed.lost);
    // Without any renderer nothing can be drawn and fonts get no face.
    GetAppState()->renderer.reset();
    text->Release();
    text->DrawText("x", 0, 0, 10, 10, 0xFF000000u, 0, -1);
    Font orphan("Arial", 20);
    EXPECT_EQ(orphan.face, nullptr);
}

TEST_F(TextRendererTest, LostAndResetHandlingPairUpAndForgetRenderedText) {
    Font* listed = text->AddFont("Comic Sans MS", 30);
    Font* fallback = text->DefaultFont();
    Font own("Arial", 150);  // a game's own font, which it resets itself
    text->OnLostDevice();
    text->OnLostDevice();  // a second lost handling changes nothing
    EXPECT_TRUE(listed->lost && fallback->lost);
    EXPECT_FALSE(own.lost);
    own.OnLostDevice();
    text->OnResetDevice();
    EXPECT_FALSE(listed->lost || fallback->lost);
    EXPECT_GE(Drops(listed), 1);
    // Every font forgets what it rendered, also one nobody resets.
    EXPECT_EQ(Drops(&own), 1);
    EXPECT_TRUE(own.lost);
    own.OnResetDevice();
    own.OnResetDevice();  // not lost the second time: nothing to do
    EXPECT_FALSE(own.lost);
    EXPECT_EQ(Drops(&own), 2);
    // After the reset the same fonts draw again without being added again.
    renderer->texts.clear();
    text->DrawText("wieder", 0, 0, 100, 100, 0xFF000000u, dt::Center, 0);
    text->DrawText("da", 0, 0, 100, 100, 0xFF000000u, dt::Center, &own);
    ASSERT_EQ(renderer->texts.size(), 2u);
    EXPECT_EQ(renderer->texts[0].face, "Comic Sans MS");
    EXPECT_EQ(renderer->texts[1].height, 150);
    EXPECT_EQ(text->Count(), 1);
}

TEST_F(TextRendererTest, ReleaseLeavesNoFaceBehindAndIdsStartAgain) {
    text->AddFont("Comic Sans MS", 30);
    text->AddFont("Arial", 20);
    text->DrawText("x", 0, 0, 10, 10, 0xFF000000u, 0, -1);
    Font own("Arial", 35);
    ASSERT_NE(own.face, nullptr);
    text->Release();
    EXPECT_EQ(text->Count(), 0);
    EXPECT_EQ(own.face, nullptr);
    renderer->texts.clear();
    text->DrawText("x", 0, 0, 10, 10, 0xFF000000u, 0, &own);
    EXPECT_TRUE(renderer->texts.empty());
    EXPECT_EQ(text->AddFont("Arial", 20)->id, 0);
}

}  // namespace
