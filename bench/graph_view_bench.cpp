// The graph view's costs in the window: one full repaint with 20 curves at
// scale 2 through the toolkit backend (the samples already taken), and the
// time from a key that moves the plot (the digit 4, which resamples every
// curve) to the new frame grabbed from the window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "main_window.h"
#include "qt_backend.h"
#include "shell/commands.h"
#include "shell/graph_painter.h"
#include "shell/shell_lifecycle.h"
#include "shell/shell_state.h"

namespace {

using orvana::qt::QtBackend;
using orvana::qt::ScriptedAnswers;

constexpr int kCurves = 20;

struct GraphWindow {
    QTemporaryDir config;
    std::unique_ptr<QtBackend> backend;
    shell::ShellState state;

    GraphWindow() {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        backend = std::make_unique<QtBackend>(ScriptedAnswers{});
        shell::StartupOptions options;
        options.moduleFolder = ORVANA_MODULE_DIR;
        shell::startShell(state, options);
        // 20 curves in the seven colours, crossing the plot in many places.
        for (int k = 0; k < kCurves; ++k) {
            const std::string text =
                "sin(x*" + std::to_string(k + 1) + "/7)*" + std::to_string(2 + k % 8) + "-3";
            state.document.setEditText(std::u16string(text.begin(), text.end()));
            const int index = state.document.active();
            state.view.exe(state.document, shell::ExeMode::Normal);
            engine::EquationBlock& block = state.blocks().block(index);
            block.setFlags(block.flags() | uint32_t(1 + k % 7));
        }
        shell::runCommand(state, shell::kCmdGraph);
    }
    ~GraphWindow() { shell::destroyShell(state); }
};

void BM_GraphRepaint20CurvesAtScaleTwo(benchmark::State& bench) {
    GraphWindow window;
    shell::GraphModel& model = *window.state.graph;
    if (model.curveCount() != kCurves) {
        bench.SkipWithError("the curves were not sampled");
        return;
    }
    shell::GraphPainter painter;
    PlatformSurface* surface = platformCreateScaledSurface(240, 266, 2);
    for (auto _ : bench) {
        model.invalidate();
        painter.paint(model, surface, 0x0005, false);
        benchmark::DoNotOptimize(platformSurfacePixels(surface));
    }
    platformDestroySurface(surface);
}
BENCHMARK(BM_GraphRepaint20CurvesAtScaleTwo)->Unit(benchmark::kMillisecond);

void BM_PanKeyToFrame(benchmark::State& bench) {
    GraphWindow window;
    orvana::qt::MainWindow main(window.state, *window.backend, 2, QString());
    main.show();
    bool right = true;
    for (auto _ : bench) {
        // 4 and 6 in turn, so the plot swings back and forth.
        const QString digit = right ? QStringLiteral("4") : QStringLiteral("6");
        right = !right;
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, digit);
        QApplication::sendEvent(&main.client(), &press);
        const QPixmap frame = main.client().grab();
        benchmark::DoNotOptimize(frame.cacheKey());
    }
}
BENCHMARK(BM_PanKeyToFrame)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
