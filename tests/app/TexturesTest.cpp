#include "app/Textures.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/AppState.h"
#include "app/Sprite.h"
#include "platform/Platform.h"
#include "platform/SdlRenderer.h"
#include "support/ArchiveBytes.h"
#include "support/TempFolder.h"

namespace {

// PNG file bytes of an image.
std::string PngBytes(const platform::Image& image, const TempFolder& folder) {
    const std::string path = folder.Path("image.png");
    EXPECT_TRUE(platform::WritePng(path, image));
    return folder.Read("image.png");
}

platform::Image Filled(int width, int height, uint32_t argb) {
    platform::Image image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<size_t>(width) * height, argb);
    return image;
}

class TexturesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(platform::Initialize());
        app = GetAppState();
        auto offscreen = platform::SdlRenderer::CreateOffscreen(1024, 768);
        ASSERT_NE(offscreen, nullptr);
        renderer = offscreen.get();
        app->renderer = std::move(offscreen);
    }
    void TearDown() override {
        DestroyAppState();
        platform::Shutdown();
    }
    // Installs an archive with the given entries as the AppState's archive.
    void UseArchive(const std::vector<ArchiveEntryBytes>& entries) {
        folder.Write("sport.gob", ArchiveBytes(entries));
        app->archive = ArchiveOpen(folder.Path("sport.gob"));
        ASSERT_NE(app->archive, nullptr);
    }
    uint32_t PixelAt(int x, int y) { return renderer->ReadPixels()[static_cast<size_t>(y) * 1024 + x]; }
    TempFolder folder;
    AppState* app = nullptr;
    platform::SdlRenderer* renderer = nullptr;
};

TEST_F(TexturesTest, TheColourKeyIsTransparentAndColoursModulateTexels) {
    platform::Image image = Filled(4, 2, 0xFFFF0000u);
    image.pixels[1] = kColourKey;
    image.pixels[2] = 0xFF00FF65u;  // one step off the key: stays opaque
    image.pixels[5] = 0x8000FF64u;  // the key's colour, but not opaque: stays as it is
    UseArchive({{"pic.PNG", PngBytes(image, folder)}});
    std::unique_ptr<platform::Texture> texture;
    ASSERT_EQ(LoadTexture("PIC.png", texture, app->archive.get(), false), kTextureOk);
    renderer->Clear(0xFFFFFFFFu);
    const Vec2 at{10.0f, 10.0f};
    DrawSprite(texture.get(), nullptr, nullptr, nullptr, 0.0, &at, 0xFFFFFFFFu);
    EXPECT_EQ(PixelAt(10, 10), 0xFFFF0000u);
    EXPECT_EQ(PixelAt(11, 10), 0xFFFFFFFFu);
    EXPECT_EQ(PixelAt(12, 10), 0xFF00FF65u);
    EXPECT_NE(PixelAt(11, 11), 0xFFFFFFFFu);
    // The colour's alpha fades the texels over the background.
    renderer->Clear(0xFF000000u);
    DrawSprite(texture.get(), nullptr, nullptr, nullptr, 0.0, &at, 0x80FFFFFFu);
    const uint32_t faded = PixelAt(10, 10);
    EXPECT_NEAR(static_cast<int>((faded >> 16) & 0xFF), 128, 2);
}

TEST_F(TexturesTest, ARegionReachingPastTheImageOrNoTextureDrawsNothingThere) {
    UseArchive({{"tile.PNG", PngBytes(Filled(3, 3, 0xFF0000FFu), folder)}});
    std::unique_ptr<platform::Texture> texture;
    ASSERT_EQ(LoadTexture("tile.PNG", texture, app->archive.get(), false), kTextureOk);
    renderer->Clear(0xFFFFFFFFu);
    const platform::Rect region{1, 1, 6, 6};
    const Vec2 at{100.0f, 100.0f};
    const Vec2 below{100.0f, 110.0f};
    DrawSprite(texture.get(), &region, nullptr, nullptr, 0.0, &at, 0xFFFFFFFFu);
    DrawSprite(nullptr, &region, nullptr, nullptr, 0.0, &below, 0xFFFFFFFFu);
    EXPECT_EQ(PixelAt(101, 111), 0xFFFFFFFFu);
    EXPECT_EQ(PixelAt(100, 100), 0xFF0000FFu);  // texel (1, 1)
    EXPECT_EQ(PixelAt(101, 101), 0xFF0000FFu);
    EXPECT_EQ(PixelAt(102, 102), 0xFFFFFFFFu);  // beyond the image
}

TEST_F(TexturesTest, MirroredAndTurnedSpritesLandWhereTheTransformPutsThem) {
    // Two red columns, then two blue ones.
    platform::Image image = Filled(4, 2, 0xFFFF0000u);
    image.pixels[2] = image.pixels[3] = image.pixels[6] = image.pixels[7] = 0xFF0000FFu;
    UseArchive({{"pair.PNG", PngBytes(image, folder)}});
    std::unique_ptr<platform::Texture> texture;
    ASSERT_EQ(LoadTexture("pair.PNG", texture, app->archive.get(), false), kTextureOk);
    renderer->Clear(0xFFFFFFFFu);
    const Vec2 mirror{-4.0f, 4.0f};
    const Vec2 at{50.0f, 50.0f};
    DrawSprite(texture.get(), nullptr, &mirror, nullptr, 0.0, &at, 0xFFFFFFFFu);
    EXPECT_EQ(PixelAt(47, 54), 0xFFFF0000u);  // red: x from 42 to 50
    EXPECT_EQ(PixelAt(37, 54), 0xFF0000FFu);  // blue: x from 34 to 42
    EXPECT_EQ(PixelAt(52, 54), 0xFFFFFFFFu);
    renderer->Clear(0xFFFFFFFFu);
    const Vec2 scale{4.0f, 4.0f};
    const Vec2 centre{0.0f, 0.0f};
    const Vec2 to{100.0f, 100.0f};
    DrawSprite(texture.get(), nullptr, &scale, &centre, M_PI / 2.0, &to, 0xFFFFFFFFu);
    // A quarter turn clockwise: along +x becomes along +y, along +y along -x.
    EXPECT_EQ(PixelAt(95, 102), 0xFFFF0000u);
    EXPECT_EQ(PixelAt(95, 112), 0xFF0000FFu);
    EXPECT_EQ(PixelAt(102, 102), 0xFFFFFFFFu);
}

TEST_F(TexturesTest, MissingOrDamagedEntriesFailAndThePlainFileIsOnlyAFallback) {
    const std::string png = PngBytes(Filled(2, 2, 0xFF00FF00u), folder);
    UseArchive({{"broken.PNG", "not a picture"}, {"other.PNG", png}});
    folder.Write("loose.PNG", png);
    WorkingDirectoryScope inFolder(folder.Path());
    std::unique_ptr<platform::Texture> texture;
    EXPECT_EQ(LoadTexture("broken.PNG", texture, app->archive.get(), true), kTextureFailed);
    EXPECT_EQ(texture, nullptr);
    EXPECT_EQ(LoadTexture("loose.PNG", texture, app->archive.get(), false), kTextureFailed);
    EXPECT_EQ(LoadTexture("loose.PNG", texture, app->archive.get(), true), kTextureOk);
    EXPECT_EQ(LoadTexture("loose.PNG", texture, nullptr, true), kTextureOk);
    EXPECT_EQ(LoadTexture("other.PNG", texture, nullptr, false), kTextureFailed);
}

TEST_F(TexturesTest, TheFirstLoadingStepBeforeTheSplashExistsShowsOnlyTheGrey) {
    ProgressStep(*app);
    EXPECT_EQ(app->loadingStep, 1);
    EXPECT_EQ(PixelAt(512, 700), 0xFF646464u);
}

}  // namespace
