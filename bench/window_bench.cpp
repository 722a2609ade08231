// The window's costs: one full repaint of the block area and the keypad view
// drawn by the toolkit backend at scale 2, and start-up to the first painted
// frame (the program started in key mode with no keys, with every keypad of
// the build beside it).
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "qt_backend.h"
#include "shell/shell_lifecycle.h"
#include "shell/shell_painter.h"
#include "shell/shell_state.h"

extern char** environ;

namespace {

using orvana::qt::QtBackend;
using orvana::qt::ScriptedAnswers;

struct Window {
    QTemporaryDir config;
    std::unique_ptr<QtBackend> backend;
    shell::ShellState state;
    shell::ShellPainter painter;

    Window() {
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        backend = std::make_unique<QtBackend>(ScriptedAnswers{});
        shell::StartupOptions options;
        options.moduleFolder = ORVANA_MODULE_DIR;
        shell::startShell(state, options);
        // A Workspace worth drawing: matrices, strings, a failed block.
        for (const char16_t* text : {u"{1,2,3|4,5,6}", u"\"a string answer\"", u"1/0", u"2+3i",
                                     u"sin(30)"}) {
            state.document.setEditText(text);
            state.view.exe(state.document, shell::ExeMode::Normal);
        }
    }
    ~Window() { shell::destroyShell(state); }
};

void BM_RepaintAtScaleTwo(benchmark::State& bench) {
    Window window;
    PlatformSurface* blocks = platformCreateScaledSurface(240, 112, 2);
    PlatformSurface* keypad = platformCreateScaledSurface(240, 154, 2);
    for (auto _ : bench) {
        window.painter.paintBlockArea(window.state, blocks);
        window.painter.paintKeypad(window.state, keypad);
        benchmark::DoNotOptimize(platformSurfacePixels(keypad));
    }
    platformDestroySurface(blocks);
    platformDestroySurface(keypad);
}
BENCHMARK(BM_RepaintAtScaleTwo)->Unit(benchmark::kMillisecond);

void BM_StartupToFirstFrame(benchmark::State& bench) {
    QTemporaryDir config;
    const std::string home = "XDG_CONFIG_HOME=" + config.path().toStdString();
    std::vector<char*> env;
    for (char** e = environ; *e != nullptr; ++e) env.push_back(*e);
    env.push_back(const_cast<char*>(home.c_str()));
    env.push_back(const_cast<char*>("QT_QPA_PLATFORM=offscreen"));
    env.push_back(nullptr);
    char program[] = ORVANA_PROGRAM_PATH;
    char keys[] = "--keys";
    char none[] = "";
    char* argv[] = {program, keys, none, nullptr};
    for (auto _ : bench) {
        pid_t pid = 0;
        if (posix_spawn(&pid, program, nullptr, nullptr, argv, env.data()) != 0) {
            bench.SkipWithError("cannot start the program");
            break;
        }
        int status = 0;
        waitpid(pid, &status, 0);
    }
}
BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
