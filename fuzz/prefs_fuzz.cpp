// Fuzzes the "prefs.prf" reader with arbitrary file contents. Whatever the
// bytes, the reader must stay inside them (the sanitizers watch), hand back
// only quick selects that name loaded libraries, a slot index of 0 to 2 and
// at most three answer rows, and what it read must survive being written
// and read again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/workspace_settings.h"
#include "shell/preferences.h"

namespace {

const std::vector<std::u16string> kNames = {u"Advanced",   u"Conversion", u"Hexadecimal",
                                            u"Scientific", u"Statistics", u"graphing"};

void check(bool condition) {
    if (!condition) std::abort();
}

bool same(const shell::FormatSlot& a, const shell::FormatSlot& b) {
    return a.formatCode == b.formatCode && a.answerRows == b.answerRows &&
           a.answerColumns == b.answerColumns && a.polar == b.polar &&
           a.evaluation == b.evaluation && a.stored == b.stored;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The number of loaded libraries varies with the input's length.
    const std::vector<std::u16string> names(kNames.begin(),
                                            kNames.begin() + long(size % (kNames.size() + 1)));
    engine::resetWorkspaceSettings();
    const shell::Preferences p = shell::readPreferencesBytes(data, size, names, u"/docs/");
    for (int16_t slot : p.quickSelects)
        check(slot == shell::kNoLibrary || (slot >= 0 && size_t(slot) < names.size()) ||
              (slot == 0 && names.empty()));
    check(p.quickSelects[shell::kQuickSelectSlots - 1] == shell::kNoLibrary);
    check(p.formats.current >= 0 && p.formats.current <= 2);
    for (const shell::FormatSlot& s : p.formats.saved)
        check(s.answerRows >= 0 && s.answerRows <= 3 && s.answerColumns == 1);
    check(p.scriptDirectory.size() < 260);

    const std::string bytes = shell::preferencesBytes(p, names);
    check(bytes.size() == shell::kPreferencesSize);
    const shell::Preferences q = shell::readPreferencesBytes(
        reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), names, u"/docs/");
    check(q.rpnMode == p.rpnMode && q.formats.current == p.formats.current);
    check(same(q.formats.saved[0], p.formats.saved[0]) &&
          same(q.formats.saved[1], p.formats.saved[1]));
    check(q.scriptDirectory == p.scriptDirectory && q.currentLibrary == p.currentLibrary);
    // A slot 0 with no library to name reads back as library 0 all the same.
    for (size_t i = 1; i < p.quickSelects.size(); ++i) check(q.quickSelects[i] == p.quickSelects[i]);
    return 0;
}
