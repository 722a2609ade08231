#include "conversion_test_support.h"

#include <unistd.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "cvt_table.h"
#include "engine/messages.h"

namespace conversion::testing {
namespace {

std::vector<double> parts(const Outcome& out, double* Matrix::*array) {
    const Matrix* m = out.value.get();
    if (m == nullptr || m->kind == LATTIX_KIND_STRING || m->*array == nullptr) return {};
    return std::vector<double>(m->*array, m->*array + size_t(m->rows) * m->cols);
}

void putName(std::vector<uint8_t>& out, size_t offset, std::u16string_view name) {
    for (size_t i = 0; i < name.size() && i < kCvtNameUnits; ++i) {
        out[offset + 2 * i] = uint8_t(name[i] & 0xFF);
        out[offset + 2 * i + 1] = uint8_t(name[i] >> 8);
    }
}

void putDouble(std::vector<uint8_t>& out, size_t offset, double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (size_t i = 0; i < 8; ++i) out[offset + i] = uint8_t(bits >> (8 * i));
}

}  // namespace

std::string narrow(std::u16string_view text) {
    return keypad_testing::narrowView(text);
}

std::vector<double> reals(const Outcome& out) {
    return parts(out, &Matrix::re);
}

std::vector<double> imaginaries(const Outcome& out) {
    return parts(out, &Matrix::im);
}

const KeypadLibrary& ConversionTest::library() {
    return *engine::libraryAt(1);
}

std::string ConversionTest::message(uint16_t status) {
    return narrow(engine::messageText(status));
}

std::vector<uint8_t> listFormatBytes(const std::vector<CvtEntrySpec>& entries,
                                     std::u16string_view title, uint16_t format) {
    std::vector<uint8_t> out(4 + entries.size() * kCvtListEntryBytes + kCvtNameBytes, 0);
    out[0] = uint8_t(format & 0xFF);
    out[1] = uint8_t(format >> 8);
    out[2] = uint8_t(entries.size() & 0xFF);
    out[3] = uint8_t(entries.size() >> 8);
    for (size_t i = 0; i < entries.size(); ++i) {
        putName(out, 4 + i * kCvtListEntryBytes, entries[i].name);
        putDouble(out, 4 + i * kCvtListEntryBytes + kCvtNameBytes, entries[i].value);
    }
    putName(out, 4 + entries.size() * kCvtListEntryBytes, title);
    return out;
}

// The format word lies in the first name's first unit, so a fixed-format
// file's first name starts with a character of code 11 or more.
std::vector<uint8_t> fixedFormatBytes(const std::vector<CvtEntrySpec>& entries,
                                      std::u16string_view title) {
    std::vector<uint8_t> out(kCvtFixedValuesOffset + 8 * kCvtFixedNames, 0);
    for (size_t i = 0; i < entries.size(); ++i) {
        putName(out, i * kCvtNameBytes, entries[i].name);
        putDouble(out, kCvtFixedValuesOffset + 8 * i, entries[i].value);
    }
    if (entries.size() + 1 < kCvtFixedNames)
        putName(out, (entries.size() + 1) * kCvtNameBytes, title);
    return out;
}

void writeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<uint8_t> readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
}

TemporaryFolder::TemporaryFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "conversion-" + std::to_string(getpid());
    if (info != nullptr) name += std::string("-") + info->name();
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

}  // namespace conversion::testing
