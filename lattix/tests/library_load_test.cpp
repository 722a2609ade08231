// Loading the library into a process that cannot spare its emergency reserve.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/heap.h"
#include "platform/module.h"

namespace {

int refuseEverything(size_t, void*) { return 1; }

// A private copy of the library is a new module to the loader, so loading it
// runs its start-up again even though this test program links the library.
std::string privateCopy() {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("lattix-load-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const fs::path copy = dir / "liblattix-copy.so";
    fs::copy_file(LATTIX_LIBRARY_PATH, copy, fs::copy_options::overwrite_existing);
    return copy.string();
}

}  // namespace

TEST(LibraryLoadDeathTest, NoRoomForTheReserveStopsTheProcessWithTheMessage) {
    const std::string path = privateCopy();
    EXPECT_EXIT(
        {
            platformHeapSetFailureHook(refuseEverything, nullptr);
            platformLoadModule(path.c_str());
            std::exit(0);
        },
        ::testing::ExitedWithCode(EXIT_FAILURE), "Orvana: Out of memory.\nQuit Orvana immediately!");
    std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}

TEST(LibraryLoad, ACopyLoadsAndUnloadsCleanly) {
    const std::string path = privateCopy();
    PlatformModule* module = platformLoadModule(path.c_str());
    ASSERT_NE(module, nullptr) << platformModuleError();
    EXPECT_NE(platformModuleSymbol(module, "newMatrix"), nullptr);
    EXPECT_EQ(platformFreeModule(module), 1);
    std::filesystem::remove_all(std::filesystem::path(path).parent_path());
}
