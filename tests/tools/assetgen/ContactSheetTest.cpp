#include <gtest/gtest.h>

#include "AssetCatalog.h"
#include "AssetFiles.h"
#include "ContactSheet.h"
#include "RegionMap.h"
#include "support/TempFolder.h"

TEST(ContactSheet, ShowsEveryTextureWithItsRegionsOutlined) {
    TempFolder out;
    std::string error;
    ASSERT_TRUE(WriteContactSheets(GeneratedFolder(), out.Path(), error)) << error;
    for (const TextureSheet& sheet : TextureSheets()) {
        const Image contact(out.Path(sheet.entry + ".contact.png"));
        ASSERT_TRUE(contact.Valid()) << sheet.entry;
        EXPECT_GT(contact.Width(), sheet.width) << sheet.entry;
        EXPECT_GT(contact.Height(), sheet.height) << sheet.entry;
    }
    // The sheet is framed, so a region's corner on the texture lies inside the
    // contact sheet at the same offset from the texture's own corner: the
    // outline of misc2's veil runs along its bottom edge through the black veil.
    const Image misc2(out.Path("misc2.PNG.contact.png"));
    const int dx = misc2.Width() - 550;  // the frame adds the same margin left and right
    const Rect veil = RegionRect("misc2.PNG", "veil");
    const int x = veil.left + veil.Width() / 2 + dx / 2;
    const int y = veil.bottom - 1 + (misc2.Height() - 600 - dx / 2);
    EXPECT_GT(misc2.Channel(x, y, 2), 150);  // blue outline
}

TEST(ContactSheet, ReportsAMissingAssetFolder) {
    TempFolder out;
    std::string error;
    EXPECT_FALSE(WriteContactSheets(out.Path("nothing-here"), out.Path("sheets"), error));
    EXPECT_NE(error.find("nothing-here"), std::string::npos) << error;
}
