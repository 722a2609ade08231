// Shared by the tests of Workspace files and scripts: a fixture with a
// script folder of its own and the engine's state put back around each test,
// a little-endian byte builder for hand-made files, and helpers that save
// block lists as Workspaces.
#ifndef ORVANA_ENGINE_TESTS_WORKSPACE_SUPPORT_H
#define ORVANA_ENGINE_TESTS_WORKSPACE_SUPPORT_H

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/block_list.h"
#include "lattix.h"

namespace engine::workspace_testing {

// Little-endian pieces of a Workspace file.
class FileBytes {
public:
    FileBytes& u16(uint16_t v);
    FileBytes& u32(uint32_t v);
    FileBytes& f64(double v);
    // The units and a terminator.
    FileBytes& text(std::u16string_view t);
    // The units, then 0 units up to `units`.
    FileBytes& padded(std::u16string_view t, size_t units);
    FileBytes& raw(const std::string& bytes);

    // Header with the note.
    FileBytes& header(uint16_t version, std::u16string_view note = u"", uint16_t evaluation = 0,
                      uint16_t polar = 0);
    // A complete settings section (84 bytes for version 1, else 96).
    FileBytes& settings(uint16_t version = 5);
    // A value record; a short size field for versions 1 to 3.
    FileBytes& scalar(double re, double im = 0.0, bool shortSize = false);
    FileBytes& empty(bool shortSize = false);
    FileBytes& string(std::u16string_view s);
    FileBytes& block(std::u16string_view text, std::u16string_view note = u"", uint32_t flags = 0);

    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

class WorkspaceTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

public:
    static void resetEngine();
    // A file of the test's own folder.
    std::u16string path(std::u16string_view file) const;
    std::string folderPath() const { return folder_; }
    static std::string read(const std::u16string& path);
    static void write(const std::u16string& path, const std::string& bytes);

    // Saves the lines as the blocks of the Workspace `name`.ovw in the
    // script folder (the test's folder).
    void saveScript(std::u16string_view name, std::initializer_list<std::u16string_view> lines);
    // Types a line into the last block of `blocks` and presses EXE; gives
    // the block's status.
    static uint16_t enter(BlockList& blocks, std::u16string_view line);
    // The global's first real part; NaN when it has none.
    static double global(std::u16string_view name);
    static std::string globalText(std::u16string_view name);

private:
    std::string folder_;
};

}  // namespace engine::workspace_testing

#endif
