#include "menu/NameEntry.h"

#include <gtest/gtest.h>

#include "platform/KeyMap.h"

namespace {

TEST(NameEntryTest, LettersFollowShiftDigitsAndBlanksStayAndOtherKeysTypeNothing) {
    std::string name;
    EXPECT_TRUE(TypeNameKey(name, 'A', false, 99));
    EXPECT_TRUE(TypeNameKey(name, 'Z', true, 99));
    EXPECT_TRUE(TypeNameKey(name, '0', true, 99));
    EXPECT_TRUE(TypeNameKey(name, '9', false, 99));
    EXPECT_TRUE(TypeNameKey(name, platform::vk::Space, false, 99));
    EXPECT_EQ(name, "aZ09 ");
    for (const int key : {platform::vk::Shift, platform::vk::Return, platform::vk::OemPeriod, platform::vk::Multiply,
                          int{'@'}, int{'['}, 0, 200}) {
        EXPECT_FALSE(TypeNameKey(name, static_cast<uint16_t>(key), false, 99)) << key;
    }
    EXPECT_EQ(name, "aZ09 ");
}

}  // namespace
