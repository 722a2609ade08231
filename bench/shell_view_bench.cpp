// What one repaint costs before the toolkit: the whole block area in full
// screen (ten blocks with scalar, matrix, string and failed answers) and the
// keypad view with the Scientific keypad's legend, each drawn headless.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/engine_state.h"
#include "engine/library_loader.h"
#include "engine/library_table.h"
#include "shell/block_view.h"
#include "shell/keypad_view.h"
#include "shell/workspace_document.h"

namespace {

void BM_DrawBlockArea(benchmark::State& state) {
    engine::engineState().reset();
    shell::WorkspaceDocument document;
    shell::BlockView view;
    view.setBlockAreaHeight(shell::kBlockAreaFullScreen);
    view.display().rows = 3;
    const char16_t* lines[] = {u"1+1",       u"{1,2|3,4|5,6}", u"\"a string answer that wraps\"",
                               u"(1+",       u"sqrt(-2)",      u"*a comment",
                               u"{1,2,3,4}", u"2^0.5",         u"a=5",
                               u"a*2"};
    for (const char16_t* line : lines) {
        document.setActive(document.blocks().count() - 1);
        document.setEditText(line);
        document.exe(shell::ExeMode::Normal);
    }
    document.setActive(document.blocks().count() - 1);
    view.setFirstVisible(document.blocks(), 0);
    PlatformSurface* surface = platformCreateSurface(shell::kClientWidth, shell::kBlockAreaFullScreen);
    const shell::EditLineState edit{u"2*sin(45)", 9, 9, true};
    for (auto _ : state) {
        view.draw(document, surface, edit);
        benchmark::DoNotOptimize(platformSurfacePixels(surface));
    }
    platformDestroySurface(surface);
}
BENCHMARK(BM_DrawBlockArea)->Unit(benchmark::kMicrosecond);

void BM_DrawKeypadView(benchmark::State& state) {
    engine::resetLibraries();
    if (engine::loadKeypadLibraryFile(ORVANA_SCIENTIFIC_MODULE) == 0) {
        state.SkipWithError("the Scientific module did not load");
        return;
    }
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
    engine::unloadKeypadLibraries();
}
BENCHMARK(BM_DrawKeypadView)->Arg(0)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
