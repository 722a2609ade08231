// The variable table, local scopes and compaction.
#include <gtest/gtest.h>

#include <vector>

#include "engine/parser.h"
#include "engine/user_functions.h"
#include "engine/variables.h"
#include "engine_test_support.h"
#include "lattix.h"

namespace engine::testing {
namespace {

using Variables = EngineTest;

bool isScalarZero(const Matrix* m) {
    return m != nullptr && m->kind == LATTIX_KIND_SCALAR && m->re[0] == 0.0 && m->im[0] == 0.0;
}

// A compiled list that frees itself.
struct List {
    explicit List(const char16_t* text) { status = compileExpression(text, &tokens); }
    ~List() { freeCode(tokens); }
    List(const List&) = delete;
    List& operator=(const List&) = delete;
    uint16_t status = 0;
    Token* tokens = nullptr;
};

TEST_F(Variables, StartWithSixPredefinedZeros) {
    const std::vector<std::u16string_view> expected{u"sX", u"sY", u"x", u"y", u"z", u"t"};
    ASSERT_EQ(globalVariableCount(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(globalVariableName(i), expected[i]);
        EXPECT_EQ(findVariable(expected[i]), i);
        EXPECT_TRUE(isScalarZero(variableAt(uint16_t(i))));
    }
    EXPECT_EQ(findVariable(u"X"), kNoVariable);  // case matters
    EXPECT_EQ(findVariable(u"a"), kNoVariable);
    EXPECT_EQ(variableAt(kLocalBase), nullptr);  // no call is running
}

TEST_F(Variables, AddingNames) {
    EXPECT_EQ(addVariable(u"", nullptr), 0);
    EXPECT_EQ(globalVariableCount(), 6);
    EXPECT_EQ(addVariable(u"abcdefghijkl", nullptr), 6);
    EXPECT_EQ(globalVariableName(6), u"abcdefghij");
    EXPECT_EQ(findVariable(u"abcdefghij"), 6);
    const Matrix* fresh = variableAt(6);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->kind, LATTIX_KIND_EMPTY);

    // A full table gives up its last entry to every further name.
    for (int i = 7; i < kGlobalNames; ++i) addVariable(u"v", nullptr);
    EXPECT_EQ(globalVariableCount(), kGlobalNames);
    EXPECT_EQ(addVariable(u"late", nullptr), kGlobalNames - 1);
    EXPECT_EQ(addVariable(u"later", nullptr), kGlobalNames - 1);
    EXPECT_EQ(globalVariableName(kGlobalNames - 1), u"later");
    EXPECT_EQ(globalVariableCount(), kGlobalNames);
}

TEST_F(Variables, AssignmentCreatesAGlobal) {
    List list(u"abcdefghij=1");
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(findVariable(u"abcdefghij"), 6);
    EXPECT_EQ(list.tokens[2].code, 0x0505u);
    EXPECT_EQ(list.tokens[3].code, 0u);

    // Only the assignment target may be created.
    List other(u"n=qq");
    EXPECT_EQ(other.status, 1);
    EXPECT_EQ(findVariable(u"n"), 7);
    EXPECT_EQ(findVariable(u"qq"), kNoVariable);
}

TEST_F(Variables, CalledWorkspaceScope) {
    addVariable(u"a", nullptr);  // a global a, hidden inside the call
    LocalScope scope;
    EXPECT_EQ(addVariable(u"count", &scope), kNamedLocalBase);
    EXPECT_EQ(addVariable(u"total", &scope), kNamedLocalBase + 1);
    ASSERT_TRUE(beginCall(scope));
    setActiveScope(&scope);

    EXPECT_EQ(findVariable(u"x"), kLocalBase);
    EXPECT_EQ(findVariable(u"a"), kLocalBase + 3);
    EXPECT_EQ(findVariable(u"c"), kLocalBase + 5);
    EXPECT_EQ(findVariable(u"total"), kNamedLocalBase + 1);
    EXPECT_EQ(findVariable(u"t"), 5);  // not a fixed local: the global
    for (uint16_t r = kLocalBase; r < kNamedLocalBase + 2; ++r) {
        const Matrix* m = variableAt(r);
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->kind, LATTIX_KIND_EMPTY);
    }
    EXPECT_EQ(variableAt(kNamedLocalBase + 2), nullptr);

    List list(u"a+total");
    ASSERT_EQ(list.status, 0);
    EXPECT_EQ(list.tokens[0].value, kLocalBase + 3);
    EXPECT_EQ(list.tokens[1].value, kNamedLocalBase + 1);

    setActiveScope(nullptr);
    endCall(scope);
    EXPECT_EQ(findVariable(u"a"), 6);
}

// The same name looked up again after each change that can move it.
TEST_F(Variables, RepeatedLookupFollowsTableChanges) {
    EXPECT_EQ(findVariable(u"k"), kNoVariable);
    EXPECT_EQ(findVariable(u"k"), kNoVariable);
    addVariable(u"a", nullptr);
    EXPECT_EQ(addVariable(u"k", nullptr), 7);
    EXPECT_EQ(findVariable(u"k"), 7);

    LocalScope scope;
    ASSERT_TRUE(beginCall(scope));
    setActiveScope(&scope);
    EXPECT_EQ(findVariable(u"k"), 7);  // no local k yet: the global
    EXPECT_EQ(addVariable(u"k", &scope), kNamedLocalBase);
    EXPECT_EQ(findVariable(u"k"), kNamedLocalBase);
    setActiveScope(nullptr);
    EXPECT_EQ(findVariable(u"k"), 7);
    endCall(scope);

    // Compaction drops the unused a, so k moves down.
    List uses(u"k+1");
    Token* const lists[] = {uses.tokens};
    compactVariables(lists);
    EXPECT_EQ(findVariable(u"k"), 6);
    EXPECT_EQ(findVariable(u"a"), kNoVariable);

    // A name longer than any in the table, after one that is.
    EXPECT_EQ(findVariable(u"abcdefghijk"), kNoVariable);
    addVariable(u"abcdefghij", nullptr);
    EXPECT_EQ(findVariable(u"abcdefghijk"), kNoVariable);
    EXPECT_EQ(findVariable(u"abcdefghij"), 7);

    resetVariables();
    EXPECT_EQ(findVariable(u"k"), kNoVariable);
}

TEST_F(Variables, HostServiceForms) {
    EXPECT_EQ(::findVariable(u"y"), 3);
    EXPECT_EQ(::findVariable(u"nothing"), 0x2000);
    EXPECT_EQ(::findVariable(nullptr), 0x2000);
    EXPECT_EQ(::createVariable(u"w"), 6);
    EXPECT_EQ(::variableAt(6), variableAt(6));
}

TEST_F(Variables, CompactionKeepsWhatListsUseAndRenumbers) {
    for (auto n : {u"a", u"b", u"c", u"d", u"e"}) addVariable(n, nullptr);  // 6 to 10
    copyValMatrix(variableAt(2), 5.0, 0.0);                                // x = 5
    copyValMatrix(variableAt(8), 7.0, 0.0);                                // c = 7

    List block(u"c+1");          // uses c
    List assigning(u"e[2]=1");  // uses e
    List function(u"d*2");       // only a user function uses d
    Token* functionList = function.tokens;
    setUserFunction(0, {u"f", 0, &functionList});

    // The function's list is also passed as a block's: renumbered once.
    Token* const lists[] = {block.tokens, assigning.tokens, function.tokens};
    compactVariables(lists);

    ASSERT_EQ(globalVariableCount(), 9);
    const std::vector<std::u16string_view> names{u"sX", u"sY", u"x", u"y", u"z",
                                                 u"t",  u"c",  u"d", u"e"};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(globalVariableName(i), names[i]);
    EXPECT_EQ(block.tokens[0].value, 6);
    EXPECT_EQ(function.tokens[0].value, 7);
    EXPECT_EQ(assigning.tokens[3].code, 0x0505u);
    EXPECT_EQ(assigning.tokens[3].value, 8);

    EXPECT_TRUE(isScalarZero(variableAt(2)));  // predefined names read 0 again
    EXPECT_EQ(variableAt(6)->kind, LATTIX_KIND_EMPTY);
    EXPECT_EQ(findVariable(u"a"), kNoVariable);
}

}  // namespace
}  // namespace engine::testing
