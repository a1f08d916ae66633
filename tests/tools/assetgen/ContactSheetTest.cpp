#include <gtest/gtest.h>

#include "AssetCatalog.h"
#include "AssetFiles.h"
#include "ContactSheet.h"
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
}

TEST(ContactSheet, ReportsAMissingAssetFolder) {
    TempFolder out;
    std::string error;
    EXPECT_FALSE(WriteContactSheets(out.Path("nothing-here"), out.Path("sheets"), error));
    EXPECT_NE(error.find("nothing-here"), std::string::npos) << error;
}
