// Reading strings from a module's table.
#include <gtest/gtest.h>

#include <string>

#include "platform/module.h"
#include "platform/string_resources.h"

namespace {

struct LoadedModule {
    PlatformModule* module;
    explicit LoadedModule(const std::string& path) : module(platformLoadModule(path.c_str())) {}
    ~LoadedModule() { platformFreeModule(module); }
};

const std::string moduleDir = ORVANA_TEST_MODULE_DIR;
const std::string testModuleDir = ORVANA_TEST_EXTRA_MODULE_DIR;

}  // namespace

TEST(StringResources, FindsStringsByIdAndCutsToTheBuffer) {
    LoadedModule strings(testModuleDir + "/platform_string_table_module.so");
    ASSERT_NE(strings.module, nullptr) << platformModuleError();
    char16_t buffer[64];
    EXPECT_EQ(platformLoadString(strings.module, 101, buffer, 64), 18u);
    EXPECT_EQ(std::u16string(buffer), u"Bad first argument");
    EXPECT_EQ(platformLoadString(strings.module, 0x8005, buffer, 4), 3u);
    EXPECT_EQ(std::u16string(buffer), u"sin");
    EXPECT_EQ(platformLoadString(strings.module, 7, buffer, 64), 0u);
    EXPECT_NE(platformFindString(strings.module, 7), nullptr);
    EXPECT_EQ(platformLoadString(strings.module, 102, buffer, 64), 0u);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(platformFindString(strings.module, 102), nullptr);
}

TEST(StringResources, ModulesWithoutATableHaveNoStrings) {
    LoadedModule plain(moduleDir + "/libplatform.so");
    ASSERT_NE(plain.module, nullptr);
    char16_t buffer[8] = u"xxxxxxx";
    EXPECT_EQ(platformLoadString(plain.module, 101, buffer, 8), 0u);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(platformLoadString(nullptr, 101, buffer, 8), 0u);
    EXPECT_EQ(platformLoadString(plain.module, 101, nullptr, 0), 0u);
}
