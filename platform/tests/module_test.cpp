// Loading modules and resolving their entry points.
#include <gtest/gtest.h>

#include <string>

#include "platform/module.h"

namespace {
const std::string moduleDir = ORVANA_TEST_MODULE_DIR;
}

TEST(Module, LoadsAModuleAndResolvesAnEntryPoint) {
    PlatformModule* module = platformLoadModule((moduleDir + "/libplatform.so").c_str());
    ASSERT_NE(module, nullptr) << platformModuleError();
    EXPECT_NE(platformModuleSymbol(module, "platformHeapAlloc"), nullptr);
    EXPECT_EQ(platformModuleSymbol(module, "noSuchEntryPoint"), nullptr);
    EXPECT_STRNE(platformModuleError(), "");
    // Internal names stay hidden: only the C interface is exported.
    EXPECT_EQ(platformModuleSymbol(module, "_ZN12_GLOBAL__N_18headlessE"), nullptr);
    EXPECT_EQ(platformFreeModule(module), 1);
}

TEST(Module, FailuresAreReportedNotFatal) {
    EXPECT_EQ(platformLoadModule((moduleDir + "/no-such-module.so").c_str()), nullptr);
    EXPECT_NE(std::string(platformModuleError()).find("no-such-module"), std::string::npos);
    EXPECT_EQ(platformLoadModule(nullptr), nullptr);
    EXPECT_EQ(platformLoadModule(""), nullptr);
    EXPECT_EQ(platformModuleSymbol(nullptr, "x"), nullptr);
    EXPECT_EQ(platformFreeModule(nullptr), 0);
}
