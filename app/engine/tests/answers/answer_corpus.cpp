#include "answer_corpus.h"

#include <unistd.h>

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sstream>

#include "engine/block_list.h"
#include "engine/engine_state.h"
#include "engine/library_loader.h"
#include "engine/library_table.h"
#include "engine/script_cache.h"
#include "engine/script_folder.h"
#include "engine/scripts.h"
#include "engine/variables.h"
#include "engine/workspace_file.h"

namespace answer_corpus {
namespace {

// The modules as the program finds them in its folder, in name order.
constexpr const char* kModules[] = {ORVANA_ADVANCED_MODULE,   ORVANA_CONVERSION_MODULE,
                                    ORVANA_HEXADECIMAL_MODULE, ORVANA_SCIENTIFIC_MODULE,
                                    ORVANA_STATISTICS_MODULE,  ORVANA_GRAPHING_MODULE,
                                    ORVANA_SCRIPTING_MODULE};

std::u16string widen(std::string_view text) {
    std::u16string out;
    for (unsigned char c : text) out += char16_t(c);
    return out;
}

std::string hexBits(double v) {
    uint64_t u = 0;
    std::memcpy(&u, &v, sizeof u);
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%016" PRIx64, u);
    return buffer;
}

// A scratch folder for the Workspaces the sessions call.
class ScriptFolder {
public:
    ScriptFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "orvana-corpus-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
        engine::setScriptFolder(widen(path_));
    }
    ~ScriptFolder() {
        engine::setScriptFolder(u"");
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    ScriptFolder(const ScriptFolder&) = delete;
    ScriptFolder& operator=(const ScriptFolder&) = delete;

private:
    std::string path_;
};

class Session {
public:
    explicit Session(std::vector<Record>& out) : out_(out) {}

    void start(const std::string& name) {
        name_ = name;
        line_ = 0;
        degrees_ = false;
        script_.clear();
        engine::engineState().reset();
        engine::clearScriptCache();
        engine::clearScriptAbort();
        blocks_ = std::make_unique<engine::BlockList>();
    }
    void setDegrees(bool on) { degrees_ = on; }

    void enter(const std::string& text) {
        const int k = blocks_->count() - 1;
        blocks_->block(k).setDegrees(degrees_);
        engine::clearScriptAbort();
        blocks_->execute(k, widen(text));
        record(text, blocks_->block(k).status(), *blocks_->block(k).answer());
        blocks_->appendEmpty();
    }
    void addScriptLine(const std::string& text) { script_.push_back(text); }

    void runScript() {
        fillScript(*blocks_);
        engine::clearScriptAbort();
        const uint16_t linked = engine::runFromBlock(*blocks_, 0);
        for (int k = 0; k < blocks_->count(); ++k) {
            const engine::EquationBlock& b = blocks_->block(k);
            record("run " + std::to_string(k) + ": " + script_[size_t(k)],
                   linked != 0 ? linked : b.status(), *b.answer());
        }
        script_.clear();
        blocks_->appendEmpty();
    }
    bool saveScript(const std::string& name) {
        engine::BlockList source;
        fillScript(source);
        script_.clear();
        return engine::saveWorkspace(engine::workspacePath(widen(name)).c_str(), false, &source);
    }
    void defineFunction(const std::string& name, int parameters, const std::string& text) {
        const uint16_t status = blocks_->defineFunction(widen(name), parameters, widen(text));
        Matrix* none = newMatrix(0, 0);
        record("fn " + name, status, *none);
        delMatrix(none);
    }
    void variable(const std::string& name) {
        const uint16_t handle = ::findVariable(widen(name).c_str());
        Matrix* value = newMatrix(0, 0);
        if (handle != KEYPAD_NO_VARIABLE) copyMatMatrix(value, ::variableAt(handle));
        record("var " + name, handle != KEYPAD_NO_VARIABLE ? 0 : 0xFFFF, *value);
        delMatrix(value);
    }

private:
    void fillScript(engine::BlockList& blocks) const {
        blocks.clear();
        for (const std::string& l : script_) blocks.append(widen(l)).setDegrees(degrees_);
        if (blocks.count() > 1) blocks.dropFirst();
    }
    void record(const std::string& text, uint16_t status, const Matrix& answer) {
        ++line_;
        out_.push_back({name_ + ":" + std::to_string(line_) + " " + text,
                        describe(status, answer)});
    }

    std::vector<Record>& out_;
    std::unique_ptr<engine::BlockList> blocks_;
    std::vector<std::string> script_;
    std::string name_;
    int line_ = 0;
    bool degrees_ = false;
};

}  // namespace

bool loadModules() {
    engine::unloadKeypadLibraries();
    engine::resetLibraries();
    for (const char* path : kModules)
        if (engine::loadKeypadLibraryFile(path) == 0) return false;
    return true;
}

void unloadModules() {
    engine::unloadKeypadLibraries();
    engine::resetLibraries();
}

std::string describe(uint16_t status, const Matrix& m) {
    std::ostringstream s;
    s << status << ' ' << m.kind << ' ' << m.rows << 'x' << m.cols;
    if (m.kind == LATTIX_KIND_STRING) {
        // The text's code units up to its terminator, within the slots held.
        const auto* text = reinterpret_cast<const char16_t*>(m.re);
        const size_t limit = size_t(m.capacity) * (sizeof(double) / sizeof(char16_t));
        s << " t";
        for (size_t i = 0; text != nullptr && i < limit && text[i] != 0; ++i)
            s << ' ' << std::hex << unsigned(text[i]) << std::dec;
        return s.str();
    }
    const size_t count = m.kind == LATTIX_KIND_RPN_CODE ? 1 : size_t(m.rows) * m.cols;
    for (size_t i = 0; i < count && m.re != nullptr && m.im != nullptr; ++i)
        s << ' ' << hexBits(m.re[i]) << '/' << hexBits(m.im[i]);
    return s.str();
}

std::vector<Record> runCorpus(std::istream& cases, std::string& error) {
    std::vector<Record> out;
    const ScriptFolder folder;
    engine::installScriptSupport();
    Session session(out);
    session.start("start");
    std::string line;
    while (std::getline(cases, line)) {
        if (line.empty() || line[0] == '#') continue;
        const size_t space = line.find(' ');
        const std::string word = line.substr(0, space);
        const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
        if (word == "==") {
            session.start(rest);
        } else if (word == "deg" || word == "rad") {
            session.setDegrees(word == "deg");
        } else if (word == ">") {
            session.enter(rest);
        } else if (word == "+") {
            session.addScriptLine(rest);
        } else if (word == "run") {
            session.runScript();
        } else if (word == "save") {
            if (!session.saveScript(rest)) error = "cannot save: " + line;
        } else if (word == "var") {
            session.variable(rest);
        } else if (word == "fn") {
            std::istringstream parts(rest);
            std::string name;
            int parameters = 0;
            parts >> name >> parameters;
            std::string text;
            std::getline(parts >> std::ws, text);
            session.defineFunction(name, parameters, text);
        } else if (error.empty()) {
            error = "malformed: " + line;
        }
    }
    engine::engineState().reset();
    engine::clearScriptCache();
    return out;
}

}  // namespace answer_corpus
