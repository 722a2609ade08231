// The variable table: sole owner of the global names and values and of the
// active local scope.
#include "engine/variables.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "engine/code_list.h"
#include "engine/user_functions.h"
#include "engine_state_data.h"
#include "lattix.h"
#include "platform/text.h"

namespace engine {
namespace {

constexpr std::array<std::u16string_view, 6> kPredefined{u"sX", u"sY", u"x", u"y", u"z", u"t"};

constinit GlobalTable& globals = theEngineState.globals;
constinit LocalScope*& scope = theEngineState.scope;

Matrix* makeEmpty() { return newMatrix(0, 0); }

void setScalarZero(Matrix* m) {
    if (m != nullptr) copyValMatrix(m, 0.0, 0.0);
}

// Frees a value's storage by swapping in a fresh empty record.
void emptyValue(Matrix*& m) {
    delMatrix(m);
    m = makeEmpty();
}

bool isPredefinedName(std::u16string_view name) {
    return std::find(kPredefined.begin(), kPredefined.end(), name) != kPredefined.end();
}

// Names were added or dropped, or the scope changed: the remembered lookup
// may no longer hold.
void forgetLastLookup() { globals.lastValid = false; }

void initialize() {
    forgetLastLookup();
    for (Matrix*& m : globals.values) {
        delMatrix(m);
        m = makeEmpty();
    }
    for (auto& n : globals.names) n.clear();
    globals.count = int(kPredefined.size());
    for (size_t i = 0; i < kPredefined.size(); ++i) {
        globals.names[i] = kPredefined[i];
        setScalarZero(globals.values[i]);
    }
    globals.ready = true;
}

GlobalTable& table() {
    if (!globals.ready) initialize();
    return globals;
}

std::u16string_view cut(std::u16string_view name) { return name.substr(0, kVariableNameLimit); }

bool isReferenceToken(uint32_t c) {
    return c == code(Code::Variable) || c == code(Code::Assign) ||
           c == code(Code::IndexedVariable);
}

// The global index a token refers to, or -1 (locals, ANS, nonsense values).
int globalIndexOf(const Token& t) {
    if (!isReferenceToken(t.code) || !(t.value >= 0.0) || t.value >= kGlobalNames) return -1;
    return int(t.value);
}

// Each list once: a block's list may also be a user function's.
std::vector<Token*> distinctLists(std::span<Token* const> given) {
    std::vector<Token*> lists;
    std::unordered_set<Token*> seen;
    auto take = [&](Token* list) {
        if (list != nullptr && seen.insert(list).second) lists.push_back(list);
    };
    for (Token* l : given) take(l);
    for (int s = 0; s < kUserFunctionSlots; ++s)
        if (const UserFunction* f = userFunctionAt(s); f != nullptr && f->codeList != nullptr)
            take(*f->codeList);
    return lists;
}

}  // namespace

bool beginCall(LocalScope& s) {
    endCall(s);
    const size_t n = 6 + s.namedLocals.size();
    for (size_t i = 0; i < n; ++i) {
        Matrix* m = makeEmpty();
        if (m == nullptr) {
            endCall(s);
            return false;
        }
        s.values.push_back(m);
    }
    return true;
}

void endCall(LocalScope& s) {
    for (Matrix* m : s.values) delMatrix(m);
    s.values.clear();
}

void setActiveScope(LocalScope* s) {
    forgetLastLookup();
    scope = s;
}

LocalScope* activeScope() { return scope; }

namespace {

uint16_t searchVariable(std::u16string_view name) {
    if (scope != nullptr) {
        if (name.size() == 1) {
            if (size_t p = kFixedLocals.find(name[0]); p != std::u16string_view::npos)
                return uint16_t(kLocalBase + p);
        }
        for (size_t n = 0; n < scope->namedLocals.size(); ++n)
            if (scope->namedLocals[n] == name) return uint16_t(kNamedLocalBase + n);
    }
    GlobalTable& g = table();
    for (int i = 0; i < g.count; ++i)
        if (g.names[i] == name) return uint16_t(i);
    return kNoVariable;
}

}  // namespace

// A script loop looks its variable up by name on every pass: the last
// lookup is remembered.
uint16_t findVariable(std::u16string_view name) {
    GlobalTable& g = table();
    if (g.lastValid && std::u16string_view(g.lastName.data(), g.lastLength) == name)
        return g.lastReference;
    const uint16_t reference = searchVariable(name);
    // Longer names are never in the table; they are not remembered.
    if (name.size() <= g.lastName.size()) {
        std::copy(name.begin(), name.end(), g.lastName.begin());
        g.lastLength = name.size();
        g.lastReference = reference;
        g.lastValid = true;
    }
    return reference;
}

Matrix* variableAt(uint16_t reference) {
    if (reference < kLocalBase) {
        GlobalTable& g = table();
        return reference < kGlobalRecords ? g.values[reference] : nullptr;
    }
    if (scope == nullptr) return nullptr;
    const size_t slot = reference - kLocalBase;
    return slot < scope->values.size() ? scope->values[slot] : nullptr;
}

uint16_t addVariable(std::u16string_view name, LocalScope* s) {
    if (name.empty()) return 0;
    forgetLastLookup();
    name = cut(name);
    if (s != nullptr) {
        const size_t n = s->namedLocals.size();
        s->namedLocals.emplace_back(name);
        // A call already running gets a value for the newcomer as well.
        if (!s->values.empty()) s->values.push_back(makeEmpty());
        return uint16_t(kNamedLocalBase + n);
    }
    GlobalTable& g = table();
    if (g.count >= kGlobalNames) {
        g.names[kGlobalNames - 1] = name;
        return kGlobalNames - 1;
    }
    g.names[g.count] = name;
    return uint16_t(g.count++);
}

void compactVariables(std::span<Token* const> codeLists) {
    GlobalTable& g = table();
    const std::vector<Token*> lists = distinctLists(codeLists);
    forgetLastLookup();

    std::array<bool, kGlobalNames> kept{};
    kept[0] = kept[1] = true;
    for (int i = 0; i < g.count; ++i)
        if (g.names[i] == u"x" || g.names[i] == u"y" || g.names[i] == u"z" || g.names[i] == u"t")
            kept[i] = true;
    for (Token* list : lists)
        for (Token* t = list; t->code != 0; ++t)
            if (int i = globalIndexOf(*t); i >= 0 && i < g.count) kept[i] = true;

    std::array<int, kGlobalNames> newIndex{};
    int next = 0;
    for (int i = 0; i < g.count; ++i) {
        emptyValue(g.values[i]);
        newIndex[i] = kept[i] ? next : -1;
        if (kept[i]) g.names[next++] = g.names[i];
    }
    for (int i = next; i < g.count; ++i) g.names[i].clear();
    g.count = next;
    for (int i = 0; i < g.count; ++i)
        if (i < 2 || isPredefinedName(g.names[i])) setScalarZero(g.values[i]);

    for (Token* list : lists)
        for (Token* t = list; t->code != 0; ++t)
            if (int i = globalIndexOf(*t); i >= 0 && newIndex[i] >= 0) t->value = newIndex[i];
}

int globalVariableCount() { return table().count; }

std::u16string_view globalVariableName(int index) {
    GlobalTable& g = table();
    if (index < 0 || index >= g.count) return {};
    return g.names[index];
}

void resetVariables() {
    scope = nullptr;
    initialize();
}

}  // namespace engine

namespace {

std::u16string_view viewOf(const char16_t* name) {
    return name != nullptr ? std::u16string_view(name, platformTextLength(name))
                           : std::u16string_view();
}

}  // namespace

extern "C" uint16_t findVariable(const char16_t* name) {
    return engine::findVariable(viewOf(name));
}

extern "C" Matrix* variableAt(uint16_t handle) { return engine::variableAt(handle); }

extern "C" uint16_t createVariable(const char16_t* name) {
    return engine::addVariable(viewOf(name), nullptr);
}
