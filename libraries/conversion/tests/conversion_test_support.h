// Shared by the Conversion tests: the module loaded into the engine's
// library table, expression lines run as a block runs them, and .cvt files
// written from tables.
#ifndef ORVANA_CONVERSION_TESTS_SUPPORT_H
#define ORVANA_CONVERSION_TESTS_SUPPORT_H

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "keypad.h"
#include "lattix.h"

namespace conversion::testing {

struct MatrixFree {
    void operator()(Matrix* m) const { delMatrix(m); }
};

// What a line gave: the routed status and the answer.
struct Outcome {
    uint16_t status = 0;
    std::unique_ptr<Matrix, MatrixFree> value;

    int code() const { return status & 0xFF; }
    std::vector<double> reals() const;
    std::vector<double> imaginaries() const;
    double re() const;
    std::u16string text() const;  // a String answer's text, else ""
};

std::string narrow(std::u16string_view text);

// Loads the Conversion module into the engine once per suite and runs
// lines through the engine.
class ConversionTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    static const KeypadLibrary& library();
    static Outcome run(std::u16string_view line);
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

// A fresh folder under the test's temporary folder, removed afterwards.
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
