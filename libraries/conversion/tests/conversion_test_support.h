// Shared by the Conversion tests: the module loaded into the engine as its
// only library, what an answer holds, and .cvt files written from tables.
#ifndef ORVANA_CONVERSION_TESTS_SUPPORT_H
#define ORVANA_CONVERSION_TESTS_SUPPORT_H

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine_module_fixture.h"

namespace conversion::testing {

using keypad_testing::Outcome;

std::string narrow(std::u16string_view text);
// Every element's real or imaginary part, row by row.
std::vector<double> reals(const Outcome& out);
std::vector<double> imaginaries(const Outcome& out);
// The library's own code in a routed status.
inline int code(const Outcome& out) {
    return out.status & 0xFF;
}

class ConversionTest : public keypad_testing::EngineModuleTest {
  protected:
    static void SetUpTestSuite() { loadOnly(CONVERSION_MODULE_PATH); }
    static const KeypadLibrary& library();
    // The message a status shows.
    static std::string message(uint16_t status);
};

// The bytes of a .cvt file.
struct CvtEntrySpec {
    std::u16string name;
    double value;
};
std::vector<uint8_t> listFormatBytes(const std::vector<CvtEntrySpec>& entries,
                                     std::u16string_view title, uint16_t format = 1);
std::vector<uint8_t> fixedFormatBytes(const std::vector<CvtEntrySpec>& entries,
                                      std::u16string_view title);
void writeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> readFile(const std::filesystem::path& path);

// A fresh folder under the temporary folder, removed afterwards.
class TemporaryFolder {
  public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace conversion::testing

#endif
