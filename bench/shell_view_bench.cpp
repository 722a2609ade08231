// What one repaint costs before the toolkit: the whole block area in full
// screen (ten blocks with scalar, matrix, string and failed answers) and the
// keypad view with a library legend, each drawn headless.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/block_list.h"
#include "engine/library_table.h"
#include "engine/variables.h"
#include "keypad_support/key_table.h"
#include "shell/block_view.h"
#include "shell/keypad_view.h"

namespace {

const keypad_support::Key kKeys[] = {
    {u'1', 2, u"sin()", 1, u"sin"},  {u'2', 2, u"cos()", 1, u"cos"},
    {u'3', 2, u"tan()", 1, u"tan"},  {u'4', 3, u"asin()", 1, u"asin"},
    {u'5', 3, u"acos()", 1, u"acos"}, {u'6', 3, u"atan()", 1, u"atan"},
    {u'7', 4, u"ln()", 1, u"ln"},    {u'8', 4, u"log()", 1, u"log"},
    {u'9', 4, u"exp()", 1, u"exp"},  {u'0', 2, u"pi", 0, u"pi"},
};

OperatorCode noName(const char16_t*) {
    return 0;
}
OperatorCode noCharacter(char16_t) {
    return 0;
}
int32_t legend(KeypadSurface surface, KeypadLibrary*) {
    keypad_support::drawLegend(static_cast<PlatformSurface*>(surface), kKeys);
    return 1;
}

void BM_DrawBlockArea(benchmark::State& state) {
    engine::resetVariables();
    engine::BlockList list;
    shell::BlockView view;
    view.setBlockAreaHeight(shell::kBlockAreaFullScreen);
    view.display().rows = 3;
    const char16_t* lines[] = {u"1+1",       u"{1,2|3,4|5,6}", u"\"a string answer that wraps\"",
                               u"(1+",       u"sqrt(-2)",      u"*a comment",
                               u"{1,2,3,4}", u"2^0.5",         u"a=5",
                               u"a*2"};
    for (const char16_t* line : lines) {
        list.setActive(list.count() - 1);
        list.setEditLine(line);
        list.exe(engine::ExeMode::Normal);
    }
    list.setActive(list.count() - 1);
    view.setFirstVisible(list, 0);
    PlatformSurface* surface = platformCreateSurface(shell::kClientWidth, shell::kBlockAreaFullScreen);
    const shell::EditLineState edit{u"2*sin(45)", 9, 9, true};
    for (auto _ : state) {
        view.draw(list, surface, edit);
        benchmark::DoNotOptimize(platformSurfacePixels(surface));
    }
    platformDestroySurface(surface);
}
BENCHMARK(BM_DrawBlockArea)->Unit(benchmark::kMicrosecond);

void BM_DrawKeypadView(benchmark::State& state) {
    engine::resetLibraries();
    KeypadLibrary record{};
    record.GetStrOperator = noName;
    record.GetOperator = noCharacter;
    record.LoadBMP = legend;
    engine::addLibrary(record, u"Scientific");
    shell::KeypadView view;
    shell::KeypadViewInput input;
    input.libraryIndex = 0;
    input.page = int(state.range(0));
    input.helpMode = true;
    input.rpnDisplay = true;
    PlatformSurface* surface = platformCreateSurface(shell::kKeypadViewWidth, shell::kKeypadViewHeight);
    for (auto _ : state) {
        view.draw(surface, 0, 0, input);
        benchmark::DoNotOptimize(platformSurfacePixels(surface));
    }
    platformDestroySurface(surface);
    engine::resetLibraries();
}
BENCHMARK(BM_DrawKeypadView)->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
