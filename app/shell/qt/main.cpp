// orvana: the window. With --keys it runs offscreen, types the keys, writes
// what was asked for and exits (see key_mode.h).
#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "command_line.h"
#include "key_mode.h"
#include "main_window.h"
#include "platform/clock.h"
#include "platform/text.h"
#include "qt_backend.h"
#include "shell/program_folder.h"
#include "shell/shell_lifecycle.h"
#include "single_instance.h"

namespace {

using namespace orvana::qt;

std::u16string wide(const std::string& text) {
    std::u16string out(platformUtf8ToUtf16(text.c_str(), nullptr, 0) + 1, u'\0');
    platformUtf8ToUtf16(text.c_str(), out.data(), out.size());
    out.pop_back();
    return out;
}

QString programFolderText() { return QString::fromStdU16String(shell::programFolder()); }

int chosenScale(const WindowOptions& options, const QString& settingsFile) {
    if (options.scale > 0) return options.scale;
    const QSettings settings(settingsFile, QSettings::IniFormat);
    const int remembered = settings.value(QStringLiteral("window/scale"), 0).toInt();
    if (remembered >= 1 && remembered <= 3 && !options.keys) return remembered;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return MainWindow::scaleForScreenHeight(screen != nullptr ? screen->geometry().height() : 1080);
}

int runKeyMode(MainWindow& window, shell::ShellState& state, const WindowOptions& options) {
    typeKeys(window, wide(*options.keys));
    int status = 0;
    if (options.exportPath) {
        const std::string text = exportWorkspace(state);
        if (*options.exportPath == "-") {
            std::fwrite(text.data(), 1, text.size(), stdout);
            std::fflush(stdout);
        } else {
            std::ofstream out(*options.exportPath, std::ios::binary);
            out << text;
            if (!out) {
                std::fprintf(stderr, "orvana: cannot write %s\n", options.exportPath->c_str());
                status = 1;
            }
        }
    }
    if (options.screenshot && !saveScreenshot(window, *options.screenshot)) {
        std::fprintf(stderr, "orvana: cannot write %s\n", options.screenshot->c_str());
        status = 1;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto options = parseWindowOptions(args, error);
    if (!options) {
        std::fprintf(stderr, "orvana: %s\n%s", error.c_str(), windowUsage());
        return 2;
    }
    if (options->help) {
        std::fputs(windowUsage(), stdout);
        return 0;
    }
    if (options->version) {
        std::puts("orvana 0.1");
        return 0;
    }
    const bool keyMode = options->keys.has_value();
    // Key mode never needs a display.
    if (keyMode && std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);

    QApplication app(argc, argv);
    // The toolkit takes the user's locale for everything; numbers are
    // written and read with a decimal point whatever the language.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Orvana"));
    QApplication::setDesktopFileName(QStringLiteral("orvana"));
    shell::prepareProgramFolder();
    const QString settingsFile = programFolderText() + QStringLiteral("orvana.conf");

    std::unique_ptr<SingleInstance> instance;
    if (!keyMode) {
        instance = std::make_unique<SingleInstance>(programFolderText());
        if (instance->handOver(QString::fromStdString(options->workspace))) return 0;
        instance->listen();
    }
    platformUseVirtualClock(keyMode ? 1 : 0);

    std::optional<ScriptedAnswers> answers;
    if (keyMode) answers = ScriptedAnswers::parse(wide(options->answers.value_or("")));
    QtBackend backend(std::move(answers));

    auto state = std::make_unique<shell::ShellState>();
    MainWindow window(*state, backend, chosenScale(*options, settingsFile),
                      keyMode ? QString() : settingsFile);
    shell::StartupOptions startup;
    startup.commandLine = wide(options->workspace);
    shell::startShell(*state, startup);
    window.client().setCaretBlinks(!keyMode);
    window.client().settle();

    if (keyMode) {
        window.show();
        QCoreApplication::processEvents();
        return runKeyMode(window, *state, *options);
    }
    QObject::connect(instance.get(), &SingleInstance::pathReceived, &window,
                     &MainWindow::openWorkspace);
    window.show();
    return app.exec();
}
