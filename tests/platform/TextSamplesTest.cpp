// Renders sample texts into text-samples.png in the working directory, so
// that their look can be inspected, and checks that every sample left ink
// inside its box and nowhere else.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TextInk.h"
#include "platform/Image.h"
#include "platform/Platform.h"
#include "platform/SdlRenderer.h"

namespace {

namespace dt = platform::dt;
using platform::Rect;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr uint32_t kPaper = 0xFFFFFFFFu;
constexpr uint32_t kBox = 0xFFE4E4E4u;

struct Sample {
    const char* face;
    int height;
    Rect rect;
    uint32_t format;
    uint32_t colour;
    std::string text;
};

std::vector<Sample> Samples() {
    const std::string paragraph =
        "Ein l\xE4ngerer Absatz mit Umbruch: Jede Zeile wird f\xFCr sich zentriert, der ganze Block "
        "steht in der Mitte des Rechtecks.";
    return {
        {"Arial", 15, {20, 20, 500, 50}, dt::Left | dt::VCenter, 0xFF000000u,
         "Arial 15: \xC4\xD6\xDC \xE4\xF6\xFC \xDF \x80 \x84" "Anf\xFChrung\x93 \x96 \x85"},
        {"Arial", 20, {20, 60, 500, 95}, dt::Left | dt::VCenter, 0xFF000000u, "Arial 20: GEL\xD6ST: 3:05"},
        {"Arial", 30, {20, 105, 500, 150}, dt::Right | dt::VCenter, 0xFFFF0000u, "Arial 30 rechts"},
        {"Arial", 80, {20, 160, 500, 260}, dt::Center | dt::VCenter, 0xFF000000u, "\xC4pfel"},
        {"Comic Sans MS", 17, {520, 20, 1004, 50}, dt::Left | dt::VCenter, 0xFF000000u,
         "Comic 17: \xC4\xD6\xDC \xE4\xF6\xFC \xDF \x80 \x84" "Anf\xFChrung\x93"},
        {"Comic Sans MS", 20, {520, 60, 1004, 95}, dt::Center | dt::VCenter, 0xFF0000FFu, "Comic 20 zentriert"},
        {"Comic Sans MS", 30, {520, 105, 1004, 150}, dt::Left | dt::VCenter, 0xFF000000u, "Comic 30: Gr\xF6\xDF" "e"},
        {"Comic Sans MS", 80, {520, 160, 1004, 260}, dt::Center | dt::VCenter, 0x80000000u, "Start 3"},
        {"Comic Sans MS", 20, {20, 280, 500, 480}, dt::Center | dt::VCenter | dt::WordBreak, 0xFF000000u,
         paragraph},
        {"Arial", 20, {520, 280, 1004, 480}, dt::Left | dt::WordBreak, 0xFF000000u, paragraph + "\n\nNeuer Absatz."},
        {"Comic Sans MS", 30, {20, 500, 500, 740}, dt::Center | dt::VCenter, 0xFF000000u,
         "Zeile eins\nZeile zwei\nZeile drei"},
        {"Arial", 150, {520, 500, 1004, 740}, dt::Center | dt::VCenter, 0xFF00AA00u, "7"},
    };
}

TEST(TextSamplesTest, SampleTextsLandInsideTheirBoxes) {
    ASSERT_TRUE(platform::Initialize());
    {
        auto renderer = platform::SdlRenderer::CreateOffscreen(kWidth, kHeight);
        ASSERT_NE(renderer, nullptr);
        platform::Image grey;
        grey.width = 1;
        grey.height = 1;
        grey.pixels = {kBox};
        auto boxTexture = renderer->CreateTexture(grey);
        ASSERT_NE(boxTexture, nullptr);

        const std::vector<Sample> samples = Samples();
        std::vector<std::unique_ptr<platform::FontFace>> faces;
        renderer->Clear(kPaper);
        for (const Sample& sample : samples) {
            platform::Transform2D box;
            box.m11 = static_cast<float>(sample.rect.right - sample.rect.left);
            box.m22 = static_cast<float>(sample.rect.bottom - sample.rect.top);
            box.dx = static_cast<float>(sample.rect.left);
            box.dy = static_cast<float>(sample.rect.top);
            renderer->DrawSprite(*boxTexture, Rect{0, 0, 1, 1}, box, 0xFFFFFFFFu);
            faces.push_back(renderer->CreateFont(sample.face, sample.height));
            ASSERT_NE(faces.back(), nullptr) << sample.face;
            renderer->DrawText(*faces.back(), sample.text, sample.rect, sample.format, sample.colour);
        }
        const platform::Image image = renderer->Screenshot();
        EXPECT_TRUE(platform::WritePng("text-samples.png", image));

        for (const Sample& sample : samples) {
            const InkBox ink = FindInk(image.pixels, kWidth, sample.rect, kBox);
            EXPECT_GT(ink.pixels, 20) << sample.text;
        }
        // Outside the boxes the paper stays white.
        int stray = FindInk(image.pixels, kWidth, Rect{0, 0, kWidth, kHeight}, kPaper).pixels;
        for (const Sample& sample : samples) {
            const Rect& r = sample.rect;
            stray -= (r.right - r.left) * (r.bottom - r.top);
        }
        EXPECT_EQ(stray, 0);
        faces.clear();
    }
    platform::Shutdown();
}

}  // namespace
