// Reading a Workspace file into a WorkspaceImage. Every size is checked
// against what the file still holds before anything is allocated for it, and
// every record is checked for consistency; a record cut by the end of the
// file ends the reading there.
#include <cstring>
#include <memory>

#include "platform/file_reader.h"
#include "workspace_image.h"

namespace engine {
namespace {

enum class Result { Ok, Truncated, Malformed };

struct FileCloser {
    void operator()(PlatformReadFile* f) const { platformCloseFile(f); }
};

// Sequential little-endian reads that never go past the end of the file.
class Cursor {
public:
    explicit Cursor(PlatformReadFile* file) : file_(file), size_(platformFileSize(file)) {}

    uint64_t remaining() const { return position_ < size_ ? size_ - position_ : 0; }

    bool bytes(void* out, uint64_t n) {
        if (n > remaining()) return false;
        const size_t got = platformReadFileBytes(file_, out, size_t(n));
        position_ += got;
        return got == n;
    }
    bool skip(uint64_t n) {
        if (n > remaining()) return false;
        position_ += n;
        return platformSeekFile(file_, position_) == 1;
    }
    bool u16(uint16_t& v) {
        uint8_t b[2];
        if (!bytes(b, 2)) return false;
        v = uint16_t(b[0] | (b[1] << 8));
        return true;
    }
    bool i16(int16_t& v) {
        uint16_t u = 0;
        if (!u16(u)) return false;
        v = int16_t(u);
        return true;
    }
    bool u32(uint32_t& v) {
        uint8_t b[4];
        if (!bytes(b, 4)) return false;
        v = uint32_t(b[0]) | (uint32_t(b[1]) << 8) | (uint32_t(b[2]) << 16) |
            (uint32_t(b[3]) << 24);
        return true;
    }
    bool f64(double& v) {
        uint8_t b[8];
        if (!bytes(b, 8)) return false;
        uint64_t u = 0;
        for (int i = 7; i >= 0; --i) u = (u << 8) | b[i];
        std::memcpy(&v, &u, sizeof v);
        return true;
    }
    // `units` UTF-16 units; the text ends at the first 0 unit, which must be
    // among them.
    Result text(uint64_t units, std::u16string& out) {
        out.clear();
        if (units * 2 > remaining()) return Result::Truncated;
        std::u16string raw(size_t(units), u'\0');
        for (auto& c : raw) {
            uint16_t u = 0;
            if (!u16(u)) return Result::Truncated;
            c = char16_t(u);
        }
        const size_t end = raw.find(u'\0');
        if (end == std::u16string::npos) return Result::Malformed;
        out = raw.substr(0, end);
        return Result::Ok;
    }

private:
    PlatformReadFile* file_;
    uint64_t size_;
    uint64_t position_ = 0;
};

// The settings, field by field, each only while every read before it was
// complete. Returns the number of fields read.
int readSettings(Cursor& in, uint16_t version, WorkspaceSettings& s) {
    double gx = 0.0, gy = 0.0;
    int16_t cy16 = 0, cx16 = 0;
    const bool v1 = version == 1;
    auto read = [&](int field) -> bool {
        switch (field) {
            case 0:
                return in.f64(gx);
            case 1:
                return in.f64(gy);
            case 2:
                return in.i16(s.autoscale);
            case 3:
                return in.i16(s.squareAspect);
            case 4:
                return in.i16(s.penWidth);
            case 5:
                return in.u16(s.formatCode);
            case 6:
                return in.i16(s.answerRows);
            case 7:
                return in.i16(s.answerColumns);
            case 8:
                return in.i16(s.rpnFirst);
            case 9:
                return in.i16(s.rpnSecond);
            case 10:
                return in.f64(s.defaultXMin);
            case 11:
                return in.f64(s.defaultXMax);
            case 12:
                return in.f64(s.defaultYMin);
            case 13:
                return in.f64(s.defaultYMax);
            case 14:
                return in.f64(s.sy);
            case 15:
                return in.f64(s.sx);
            case 16:
                return v1 ? in.i16(cy16) : in.f64(s.cy);
            default:
                return v1 ? in.i16(cx16) : in.f64(s.cx);
        }
    };
    int n = 0;
    while (n < kSettingsFields && read(n)) {
        // Versions 1 and 2 stored something else where the grid spacings are.
        if (n == 0) s.gridX = version <= 2 ? 0.0 : gx;
        if (n == 1) s.gridY = version <= 2 ? 0.0 : gy;
        if (n == 16 && v1) s.cy = cy16;
        if (n == 17 && v1) s.cx = cx16;
        ++n;
    }
    return n;
}

uint64_t settingsBytes(uint16_t version) {
    return version == 1 ? 84 : 96;
}

// One value record; with `keep` null its arrays are stepped over.
Result readValue(Cursor& in, uint16_t version, StoredValue* keep) {
    StoredValue v;
    uint32_t size = 0;
    if (!in.u16(v.rows) || !in.u16(v.cols) || !in.u16(v.kind)) return Result::Truncated;
    if (version <= 3) {
        uint16_t s16 = 0;
        if (!in.u16(s16)) return Result::Truncated;
        size = s16;
    } else if (!in.u32(size)) {
        return Result::Truncated;
    }
    const uint64_t elements = uint64_t(v.rows) * v.cols;
    switch (v.kind) {
        case 0:
            break;  // an empty value; arrays, if any, are not looked at
        case 1:
            if (v.rows != 1 || v.cols != 1 || size != 8) return Result::Malformed;
            break;
        case 2:
            if (elements == 0 || elements * 8 != size) return Result::Malformed;
            break;
        case 3:
            if (size % 8 != 0 || size > kStoredStringBytesLimit) return Result::Malformed;
            break;
        default:
            return Result::Malformed;
    }
    if (uint64_t(size) * 2 > in.remaining()) return Result::Truncated;
    if (keep == nullptr || v.kind == 0) {
        if (!in.skip(uint64_t(size) * 2)) return Result::Truncated;
        if (keep != nullptr) *keep = StoredValue{};
        return Result::Ok;
    }
    if (v.kind == 3) {
        if (size == 0) {
            v.text.clear();
        } else {
            const Result r = in.text(size / 2, v.text);
            if (r != Result::Ok) return r;
        }
        if (!in.skip(size)) return Result::Truncated;
        v.rows = v.cols = 0;
        *keep = std::move(v);
        return Result::Ok;
    }
    v.re.resize(size_t(elements));
    v.im.resize(size_t(elements));
    for (double& d : v.re)
        if (!in.f64(d)) return Result::Truncated;
    for (double& d : v.im)
        if (!in.f64(d)) return Result::Truncated;
    *keep = std::move(v);
    return Result::Ok;
}

Result readBlock(Cursor& in, StoredBlock* keep) {
    StoredBlock b;
    uint16_t t = 0;
    if (!in.u16(t)) return Result::Truncated;
    if (t % 2 != 0) return Result::Malformed;
    if (t > 0) {
        if (const Result r = in.text(t / 2, b.text); r != Result::Ok) return r;
    }
    uint16_t m = 0;
    if (!in.u16(m)) return Result::Truncated;
    if (m % 2 != 0) return Result::Malformed;
    if (m > 0) {
        if (const Result r = in.text(m / 2, b.note); r != Result::Ok) return r;
    }
    if (!in.u32(b.flags)) return Result::Truncated;
    if (keep != nullptr) *keep = std::move(b);
    return Result::Ok;
}

// The variable section of version 5 and above.
Result readNamedVariables(Cursor& in, uint16_t version, const ReadPlan& plan, WorkspaceImage& out) {
    uint16_t count = 0;
    if (!in.u16(count)) return Result::Truncated;
    if (uint64_t(count) * kStoredNameUnits * 2 > in.remaining()) return Result::Truncated;
    std::vector<std::u16string> names(count);
    for (auto& name : names)
        if (const Result r = in.text(kStoredNameUnits, name); r != Result::Ok) return r;

    int wanted = -1;
    if (plan.variables == ReadPlan::Variables::One) {
        for (int j = 0; j < count && wanted < 0; ++j)
            if (names[size_t(j)] == plan.variableName) wanted = j;
        if (wanted < 0) return Result::Ok;  // no such variable: nothing read
    }
    for (int j = 0; j < count; ++j) {
        const bool keep = plan.variables == ReadPlan::Variables::All || j == wanted;
        StoredVariable v;
        const Result r = readValue(in, version, keep ? &v.value : nullptr);
        if (r != Result::Ok) return r;
        if (!keep) continue;
        v.name = std::move(names[size_t(j)]);
        out.variables.push_back(std::move(v));
        if (j == wanted) return Result::Ok;
    }
    return Result::Ok;
}

// The 29 records of fixed one-letter names of versions 1 to 4; records of
// kind 0 and the unused positions are not loaded.
Result readLetterVariables(Cursor& in, uint16_t version, const ReadPlan& plan,
                           WorkspaceImage& out) {
    for (int p = 0; p < 29; ++p) {
        const bool named = p != 8 && p <= 25;
        const std::u16string name = named ? std::u16string(1, char16_t(u'a' + p)) : u"";
        const bool keep =
            named && (plan.variables == ReadPlan::Variables::All ||
                      (plan.variables == ReadPlan::Variables::One && name == plan.variableName));
        StoredVariable v;
        const Result r = readValue(in, version, keep ? &v.value : nullptr);
        if (r != Result::Ok) return r;
        if (!keep || v.value.kind == 0) continue;
        v.name = name;
        out.variables.push_back(std::move(v));
        if (plan.variables == ReadPlan::Variables::One) return Result::Ok;
    }
    return Result::Ok;
}

Result readBlockList(Cursor& in, bool keep, int limit, std::vector<StoredBlock>& out,
                     int* stored = nullptr) {
    uint16_t count = 0;
    if (!in.u16(count)) return Result::Truncated;
    if (stored != nullptr) *stored = count;
    for (int i = 0; i < count; ++i) {
        StoredBlock b;
        const bool wanted = keep && int(out.size()) < limit;
        if (const Result r = readBlock(in, wanted ? &b : nullptr); r != Result::Ok) return r;
        if (wanted) out.push_back(std::move(b));
    }
    return Result::Ok;
}

// Everything after the header. Ok or Truncated both leave a usable image.
Result readSections(Cursor& in, const ReadPlan& plan, WorkspaceImage& out, uint16_t noteUnits) {
    const uint16_t version = out.version;
    if (plan.note) {
        if (noteUnits > 0) {
            if (const Result r = in.text(noteUnits, out.note); r != Result::Ok) return r;
        } else {
            out.note.clear();
        }
        out.noteRead = true;
    } else if (!in.skip(uint64_t(noteUnits) * 2)) {
        return Result::Truncated;
    }

    if (plan.settings) {
        out.settingsFields = readSettings(in, version, out.settings);
        if (out.settingsFields < kSettingsFields) return Result::Truncated;
    } else if (!in.skip(settingsBytes(version))) {
        return Result::Truncated;
    }

    // Stepping over the variables still reads their records' sizes.
    const Result vars = version >= 5 ? readNamedVariables(in, version, plan, out)
                                     : readLetterVariables(in, version, plan, out);
    if (vars != Result::Ok) {
        if (plan.variables != ReadPlan::Variables::All) out.variables.clear();
        return vars;
    }
    out.variablesRead = true;
    if (!plan.functions && !plan.blocks) return Result::Ok;

    if (const Result r = readBlockList(in, plan.functions, 30, out.functions); r != Result::Ok)
        return r;
    out.functionsRead = true;
    if (!plan.blocks) return Result::Ok;

    out.blocksRead = true;
    return readBlockList(in, true, kMaxLoadedBlocks, out.blocks, &out.blocksInFile);
}

}  // namespace

ReadOutcome readWorkspaceImage(const char16_t* path, const ReadPlan& plan, WorkspaceImage& out) {
    out = WorkspaceImage{};
    const std::unique_ptr<PlatformReadFile, FileCloser> file(platformOpenFileForReading(path));
    if (!file) return ReadOutcome::CannotOpen;
    Cursor in(file.get());

    uint16_t reserved = 0, noteUnits = 0;
    if (!in.u16(out.version)) return ReadOutcome::Refused;
    // Version 6 is read like 5; the loads report it as a failure.
    if (out.version < 1 || out.version > 6) return ReadOutcome::Refused;
    // A file too short for its header is no Workspace.
    if (!in.u16(reserved) || !in.u16(reserved) || !in.u16(reserved) || !in.i16(out.storedFlag) ||
        !in.i16(out.recalculationOff) || !in.i16(out.evaluation) || !in.i16(out.polar) ||
        !in.u16(noteUnits))
        return ReadOutcome::Refused;

    const Result r = readSections(in, plan, out, noteUnits);
    if (r == Result::Malformed) {
        out = WorkspaceImage{};
        return ReadOutcome::Refused;
    }
    out.cutShort = r == Result::Truncated;
    return ReadOutcome::Read;
}

}  // namespace engine
