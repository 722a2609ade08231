#include "graph_output.h"

#include <algorithm>
#include <cstdio>

#include "engine/scripts.h"
#include "engine/workspace_settings.h"
#include "platform/text.h"

namespace cli {
namespace {

void appendNumber(std::string& out, double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    out += buffer;
}

// The curve's label as a CSV field: empty, or quoted (quotes doubled) when
// it holds a comma, a quote or a line break.
std::string labelField(const KeypadCurve& c) {
    char16_t label[KEYPAD_CURVE_LABEL_UNITS];
    std::copy_n(c.label, KEYPAD_CURVE_LABEL_UNITS, label);
    label[KEYPAD_CURVE_LABEL_UNITS - 1] = 0;
    std::string text(platformUtf16ToUtf8(label, nullptr, 0) + 1, '\0');
    text.resize(platformUtf16ToUtf8(label, text.data(), text.size()));
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char ch : text) {
        if (ch == '"') quoted += '"';
        quoted += ch;
    }
    return quoted + "\"";
}

}  // namespace

bool checkGraphBlocks(const engine::BlockList& blocks, const GraphOptions& options,
                      std::string& error) {
    for (const GraphBlock& b : options.blocks) {
        if (b.block > blocks.count()) {
            error = "--graph " + std::to_string(b.block) + ": there are only " +
                    std::to_string(blocks.count()) + " blocks";
            return false;
        }
    }
    return true;
}

void markGraphBlocks(engine::BlockList& blocks, const GraphOptions& options) {
    for (const GraphBlock& b : options.blocks) {
        engine::EquationBlock& block = blocks.block(b.block - 1);
        block.setFlags((block.flags() & ~engine::kGraphColourMask) | uint32_t(b.colour));
    }
}

void sampleGraph(shell::GraphModel& model, const GraphOptions& options) {
    if (options.range) {
        const auto& r = *options.range;
        model.setRange(shell::GraphRange{r[0], r[1], r[2], r[3]});
    }
    model.recompute();
    for (shell::GraphCommand command : options.commands) model.command(command);
}

std::string curvesCsv(const shell::GraphModel& model) {
    std::string out = "curve,block,colour,x,y,line,mark,pen,label\n";
    const shell::CurveTable& curves = model.curves();
    for (int k = 0; k < curves.count(); ++k) {
        const KeypadCurve& c = curves[k];
        const bool atSamples = c.pointsAtSamples == 1;
        if (c.y == nullptr || (!atSamples && c.x == nullptr)) continue;
        int n = c.pointCount;
        if (atSamples && n > model.samples().count()) n = model.samples().count();
        const std::string head = std::to_string(k + 1) + "," + std::to_string(c.blockIndex + 1) +
                                 "," + std::to_string(c.colour) + ",";
        std::string style(1, ',');
        style += std::to_string(c.lineFlag);
        style += ',';
        style += std::to_string(c.markStyle);
        style += ',';
        const std::string label = labelField(c);
        for (int i = 0; i < n; ++i) {
            out += head;
            appendNumber(out, atSamples ? model.samples().x(i) : c.x[i]);
            out += ',';
            if (!shell::isCurveGap(c.y[i])) appendNumber(out, c.y[i]);
            out += style;
            if (c.penUp != nullptr && !atSamples) out += std::to_string(c.penUp[i]);
            out += ',';
            out += label;
            out += '\n';
        }
    }
    return out;
}

int writeCurves(engine::BlockList& blocks, const GraphOptions& options) {
    if (!options.curvesFile) return 0;
    shell::GraphModel model(blocks, engine::workspaceSettings());
    // The headless view is "shown" while it samples, as the window's is when
    // it recomputes (scripts ask with CONTIFGRAPHING).
    engine::setGraphViewShowing(true);
    sampleGraph(model, options);
    engine::setGraphViewShowing(false);
    const std::string csv = curvesCsv(model);

    const std::string& path = *options.curvesFile;
    if (path == "-") {
        std::fputs(csv.c_str(), stdout);
        return 0;
    }
    std::FILE* out = std::fopen(path.c_str(), "wb");
    bool written = out != nullptr && std::fwrite(csv.data(), 1, csv.size(), out) == csv.size();
    if (out != nullptr && std::fclose(out) != 0) written = false;
    if (!written) {
        std::fprintf(stderr, "orvana-cli: cannot write %s\n", path.c_str());
        return 2;
    }
    return 0;
}

}  // namespace cli
