// Indexing: index lists and their descriptors, applying an index to the
// value below it, and indexed variables (including ANS[...]).
#include "builtins.h"
#include "engine/code_list.h"
#include "engine/evaluator.h"
#include "engine/extract_submatrix.h"
#include "engine/variables.h"
#include "operands.h"
#include "scratch_records.h"

namespace engine {
namespace {

// The n index arguments below the count on top, read as one selection.
// Leaves the count's slot alone; the caller decides where the result goes.
Status readIndexArguments(const Frame& f, int64_t& n, Selection& selection) {
    const std::optional<int64_t> count = truncatedFirst(f.x());
    if (!count || (*count != 1 && *count != 2)) return kWrongParameterCount;
    n = *count;
    const std::optional<Selection> s = selectionOf(&f.at(int(*f.top - n)), n);
    if (!s) return kInvalidParameter;
    selection = *s;
    return kOk;
}

// The descriptor is a 2x2 matrix [r1, r2 | c1, c2].
void writeDescriptor(Matrix& m, const Selection& s) {
    resizeMatrix(&m, 2, 2);
    if (elementCount(m) != 4) return;
    const double parts[4] = {double(s.rows.low), double(s.rows.high), double(s.cols.low),
                             double(s.cols.high)};
    for (int i = 0; i < 4; ++i) {
        m.re[i] = parts[i];
        m.im[i] = 0.0;
    }
}

std::optional<Selection> readDescriptor(const Matrix& m) {
    if (m.kind != LATTIX_KIND_MATRIX_VALUE || elementCount(m) != 4) return std::nullopt;
    return Selection{Bounds{truncated(m.re[0]), truncated(m.re[1])},
                     Bounds{truncated(m.re[2]), truncated(m.re[3])}};
}

Status extractInto(const Matrix& source, Matrix& target, const Selection& s) {
    Matrix* part = buildScratch();
    const Status status =
        extractSubmatrix(&source, part, s.rows.low, s.rows.high, s.cols.low, s.cols.high);
    if (status == kOk) copyMatMatrix(&target, part);
    return status;
}

Status indexList(const Frame& f) {
    int64_t n = 0;
    Selection s;
    if (Status st = readIndexArguments(f, n, s); st != kOk) return st;
    f.pop(int(n));
    writeDescriptor(f.x(), s);
    return kOk;
}

Status applyIndex(const Frame& f) {
    const std::optional<Selection> s = readDescriptor(f.x());
    f.pop();
    if (!s) return kInvalidParameter;
    return extractInto(f.x(), f.x(), *s);
}

Status indexedVariable(const Token& token, const Frame& f) {
    int64_t n = 0;
    Selection s;
    if (Status st = readIndexArguments(f, n, s); st != kOk) return st;
    const Matrix* source = nullptr;
    if (token.value == kAnswerReference) {
        source = currentAnswer();
        if (source == nullptr || hasNoValue(*source)) source = &zeroValue();
    } else {
        source = variableOfToken(token);
        if (source == nullptr) return kValueOutOfBounds;
    }
    f.pop(int(n));
    return extractInto(*source, f.x(), s);
}

}  // namespace

Matrix* variableOfToken(const Token& token) {
    if (!(token.value >= 0.0 && token.value < 65536.0)) return nullptr;
    Matrix* m = variableAt(uint16_t(token.value));
    if (m != nullptr && hasNoValue(*m)) copyValMatrix(m, 0.0, 0.0);
    return m;
}

Status applyIndexing(const Token& token, const Frame& f) {
    switch (Code(token.code)) {
        case Code::IndexList: return indexList(f);
        case Code::ApplyIndex: return applyIndex(f);
        case Code::IndexedVariable: return indexedVariable(token, f);
        default: return kOk;
    }
}

}  // namespace engine
