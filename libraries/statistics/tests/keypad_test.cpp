// The keypad and the resources: the text each key inserts and the caret,
// the store-line key, the two pop-up menus through a scripted backend, the
// names and help texts, and the legend bitmap.
#include <string>

#include "engine/evaluator.h"
#include "engine/variables.h"
#include "platform/drawing.h"
#include "platform/edit_control.h"
#include "platform/string_resources.h"
#include "scripted_backend.h"
#include "statistics_test_support.h"

namespace statistics::testing {
namespace {

constexpr uint32_t key(char16_t character, uint32_t page) {
    return page << 16 | character;
}

class StatisticsKeypadTest : public StatisticsTest {
  protected:
    void SetUp() override {
        StatisticsTest::SetUp();
        edit_ = platformEditCreate();
        ASSERT_NE(edit_, nullptr);
    }
    void TearDown() override { platformEditDestroy(edit_); }

    int32_t press(uint32_t code) {
        return library().MapKeyboard(code, edit_, engine::hostServices());
    }
    std::u16string text() const {
        char16_t buffer[200];
        platformEditGetText(edit_, buffer, 200);
        return buffer;
    }
    int32_t caret() const {
        int32_t start = 0, end = 0;
        platformEditGetSelection(edit_, &start, &end);
        return end;
    }

    PlatformWindow edit_ = nullptr;
};

struct KeyCase {
    uint32_t code;
    std::u16string_view text;
    int32_t caret;
    int32_t action;
};

TEST_F(StatisticsKeypadTest, KeysInsertTheirTexts) {
    const KeyCase cases[] = {
        {key(u'1', 2), u"avg()", 4, 1},
        {key(u'2', 2), u"std()", 4, 1},
        {key(u'3', 2), u"mm()", 3, 1},
        {key(u'4', 2), u"sx()", 3, 1},
        {key(u'5', 2), u"sxx()", 4, 1},
        {key(u'6', 2), u"sxy()", 4, 1},
        {key(u'8', 2), u"store(,\"m\",)", 6, 1},
        {key(u'9', 2), u"m", 1, 1},
        {key(u'1', 3), u"perm()", 5, 1},
        {key(u'2', 3), u"comb()", 5, 1},
        {key(u'3', 3), u"!", 1, 1},
        {key(u'4', 3), u"plot(\"m\")", 9, 4},
        {key(u'5', 3), u"plot(\"m\",\"-#\")", 14, 4},
        {key(u'6', 3), u"lsq(\"m\")", 8, 4},
        {key(u'7', 3), u"", 0, 1},
        {key(u'8', 3), u"clrv(\"m\")", 9, 1},
        {key(u'9', 3), u"\"\"", 1, 1},
        {key(u'.', 3), u"", 0, 1},
        {key(u'0', 3), u"", 0, 1},
        {key(u'1', 4), u"num()", 4, 1},
        {key(u'2', 4), u"sort()", 5, 1},
        {key(u'3', 4), u"lsq()", 4, 1},
        {key(u'4', 4), u"", 0, 1},
        {key(u'8', 4), u"", 0, 1},
        {key(u'9', 4), u"n", 1, 1},
        {key(u'0', 4), u"", 0, 1},
        {key(u'#', 2), u"", 0, 1},
    };
    for (const KeyCase& c : cases) {
        platformEditSetText(edit_, u"");
        EXPECT_EQ(press(c.code), c.action) << std::hex << c.code;
        EXPECT_EQ(text(), c.text) << std::hex << c.code;
        EXPECT_EQ(caret(), c.caret) << std::hex << c.code;
    }
}

TEST_F(StatisticsKeypadTest, AKeyReplacesTheSelection) {
    platformEditSetText(edit_, u"a+b+c");
    platformEditSetSelection(edit_, 2, 3);
    press(key(u'1', 2));
    EXPECT_EQ(text(), u"a+avg()+c");
    EXPECT_EQ(caret(), 6);
}

TEST_F(StatisticsKeypadTest, TheStoreLineKeyAppendsRowsWithoutGaps) {
    ASSERT_EQ(variable(u"m"), nullptr);
    for (std::u16string_view typed : {u"5", u"7", u"2+7"}) {
        platformEditSetText(edit_, std::u16string(typed).c_str());
        EXPECT_EQ(press(key(u'7', 2)), 3);
        const Outcome out = run(text());
        ASSERT_EQ(out.status, 0) << narrow(text());
    }
    EXPECT_EQ(text(), u"store(3,\"m\",2+7)");
    const Matrix* m = variable(u"m");
    ASSERT_NE(m, nullptr);
    ASSERT_EQ(m->rows, 3);
    EXPECT_EQ(std::vector<double>(m->re, m->re + 6), (std::vector<double>{1, 5, 2, 7, 3, 9}));
}

TEST_F(StatisticsKeypadTest, TestsMenu) {
    orvana::testing::ScriptedBackend backend;
    const std::u16string_view inserted[] = {u"mtest(\"m\",", u"mdtest(\"m\")", u"pairtest(\"m\")",
                                            u"sdtest(\"m\")"};
    for (int item = 0; item < 4; ++item) {
        platformEditSetText(edit_, u"");
        backend.queuePopupMenuChoice(item);
        EXPECT_EQ(press(key(u'.', 2)), 1);
        EXPECT_EQ(text(), inserted[item]);
        EXPECT_EQ(caret(), int32_t(inserted[item].size()));
    }
    ASSERT_EQ(backend.popupMenus().size(), 4u);
    const auto& shown = backend.popupMenus()[0];
    EXPECT_EQ(shown.items, (std::vector<std::u16string>{u"Mean Value", u"Equal Means",
                                                        u"Paired t-test", u"Equal Variance"}));
    EXPECT_EQ(shown.x, 20);
    EXPECT_EQ(shown.y, 204);
    EXPECT_EQ(shown.owner, edit_);
}

TEST_F(StatisticsKeypadTest, DistributionsMenu) {
    orvana::testing::ScriptedBackend backend;
    const std::u16string_view inserted[] = {u"norm()",    u"invnorm()",   u"tdist()", u"invtdist()",
                                            u"fdist()",   u"invfdist()",  u"chi()",   u"invchi()",
                                            u"bindist()", u"invbindist()"};
    for (int item = 0; item < 10; ++item) {
        platformEditSetText(edit_, u"");
        backend.queuePopupMenuChoice(item);
        EXPECT_EQ(press(key(u'0', 2)), 1);
        EXPECT_EQ(text(), inserted[item]);
        EXPECT_EQ(caret(), int32_t(inserted[item].size()) - 1);
    }
    ASSERT_EQ(backend.popupMenus().size(), 10u);
    EXPECT_EQ(backend.popupMenus()[0].items.size(), 10u);
    EXPECT_EQ(backend.popupMenus()[0].items[9], u"Inv Binomial");
    EXPECT_EQ(backend.popupMenus()[0].y, 184);
}

TEST_F(StatisticsKeypadTest, ADismissedMenuInsertsNothing) {
    orvana::testing::ScriptedBackend backend;
    platformEditSetText(edit_, u"x");
    backend.queuePopupMenuChoice(-1);
    press(key(u'0', 2));
    press(key(u'.', 2));  // empty queue: dismissed as well
    EXPECT_EQ(text(), u"x");
    EXPECT_EQ(backend.popupMenus().size(), 2u);
}

TEST_F(StatisticsKeypadTest, NamesAndHelpTexts) {
    const std::u16string_view names[] = {
        u"store", u"sx",       u"sxx",  u"sxy",    u"num",     u"avg",       u"std",
        u"mm",    u"sort",     u"clrv", u"perm",   u"comb",    u"mdtest",    u"sdtest",
        u"mtest", u"pairtest", u"lsq",  u"norm",   u"invnorm", u"tdist",     u"invtdist",
        u"fdist", u"invfdist", u"chi",  u"invchi", u"bindist", u"invbindist"};
    for (std::u16string_view name : names) {
        const std::u16string n(name);
        const OperatorCode code = library().GetStrOperator(n.c_str());
        ASSERT_NE(code, 0) << narrow(name);
        EXPECT_NE(platformFindString(library().module, 0x8000u + code), nullptr) << narrow(name);
    }
    EXPECT_EQ(library().GetStrOperator(u"lsq"), 0x1E15);
    EXPECT_EQ(library().GetStrOperator(u"invbindist"), 0x1635);
    for (const char16_t* unknown : {u"Avg", u"av", u"avgx", u"", u"jj", u"plot"})
        EXPECT_EQ(library().GetStrOperator(unknown), 0) << narrow(unknown);
    EXPECT_EQ(library().GetOperator(u'!'), 0x0304);
    EXPECT_EQ(library().GetOperator(u'?'), 0);
    EXPECT_EQ(std::u16string(platformFindString(library().module, 0x8B35)),
              u"norm(x,m,s) normal probability of x with mean m and std. dev. s ");
    EXPECT_EQ(std::u16string(platformFindString(library().module, 0x8304)),
              u"x! is the factorial of x");
    EXPECT_EQ(std::u16string(platformFindString(library().module, 0x81F5)),
              u"store(n,v,x,y) stores x and y in the nth row of matrix v\r\n"
              u"store(n,v,y) stores n and y in the nth row of matrix v");
    const std::string messages[] = {"Empty Data Matrix", "Data Matrix contains a single value",
                                    "Infinite slope", "Insufficient data",
                                    "Data has zero variance"};
    for (int id = 101; id <= 105; ++id)
        EXPECT_EQ(message(uint16_t(libraryNumber() * 256 + id)), messages[id - 101]);
    EXPECT_EQ(message(uint16_t(libraryNumber() * 256 + 106)), "Unknown library error");
}

TEST_F(StatisticsKeypadTest, LegendAndTheUnusedEntryPoints) {
    PlatformSurface* surface = platformCreateSurface(176, 111);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(library().LoadBMP(surface, nullptr), 1);
    int inked = 0;
    for (int y = 0; y < 111; ++y)
        for (int x = 0; x < 176; ++x)
            if (platformSurfacePixel(surface, x, y) != PLATFORM_RGB(255, 255, 255)) ++inked;
    EXPECT_GT(inked, 100) << "the legend shows the key labels";
    platformDestroySurface(surface);
    EXPECT_EQ(library().LoadBMP(nullptr, nullptr), 0);
    KeypadRect rect{1, 2, 3, 4};
    EXPECT_EQ(library().GetButtonRect(1, 1, &rect), 0);
    EXPECT_EQ(rect.left, 1);
    EXPECT_EQ(library().doDraw(), 0);
}

}  // namespace
}  // namespace statistics::testing
