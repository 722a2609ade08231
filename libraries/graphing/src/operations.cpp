// The graphing operators in a normal evaluation.
#include "operations.h"

#include <string>

#include "compiled_expression.h"
#include "number_text.h"
#include "pen_path.h"
#include "stack_arguments.h"

namespace graphing {
namespace {

// Reads a variable parameter count and refuses one outside [least, most].
Status countedParameters(const OperationCall& call, int least, int most, Parameters& p) {
    if (const Status s = variableParameters(call.stack, call.top, p); s != kOk) return s;
    if (p.count() < least || p.count() > most) return kWrongParameterCount;
    return kOk;
}

Status finishWith(const OperationCall& call, const Parameters& p) {
    *call.top = int16_t(p.firstSlot());
    return kOk;
}

Status penPoint(const OperationCall& call, uint8_t pen) {
    Parameters p;
    if (const Status s = fixedParameters(call.stack, call.top, 2, p); s != kOk) return s;
    // A point needs a number in each coordinate.
    if (!isNumeric(p[1]) || !isNumeric(p[2])) return kInvalidParameter;
    PenPath& path = penPath();
    if (path.size() >= PenPath::kMaxPoints) return kValueOutOfBounds;
    path.append(p[1].re[0], p[2].re[0], pen);
    copyValMatrix(&p[1], double(path.size()), 0.0);
    return finishWith(call, p);
}

Status clearGraph(const OperationCall& call) {
    penPath().clear();
    copyValMatrix(&call.stack[*call.top], 0.0, 0.0);
    return kOk;
}

Status text(const OperationCall& call) {
    Parameters p;
    if (const Status s = countedParameters(call, 1, 2, p); s != kOk) return s;
    if (isString(p[1]) || !isNumeric(p[1])) return kInvalidParameter;
    if (p.count() == 2 && !isString(p[2])) return kInvalidParameter;
    std::u16string out;
    if (p.count() == 1) {
        out = defaultNumberText(p[1].re[0], p[1].im[0]);
    } else if (const Status s = formatNumber(textOf(p[2]), p[1].re[0], out); s != kOk) {
        return s;
    }
    copyStrMatrix(&p[1], out.c_str());
    return finishWith(call, p);
}

Status drawGraph(const OperationCall& call) {
    Parameters p;
    if (const Status s = variableParameters(call.stack, call.top, p); s != kOk) return s;
    if (p.count() >= 1) copyValMatrix(&p[1], 0.0, 0.0);
    return finishWith(call, p);
}

// Plot data: a number, a matrix with elements, or the name of a variable.
Status checkData(const OperationCall& call, const Matrix& data) {
    if (resolveData(data, call.services) == nullptr) return kInvalidParameter;
    if (!isString(data) && !isNumeric(data)) return kInvalidParameter;
    return kOk;
}

Status line(const OperationCall& call) {
    Parameters p;
    if (const Status s = fixedParameters(call.stack, call.top, 1, p); s != kOk) return s;
    return isString(p[1]) && resolveData(p[1], call.services) == nullptr ? kInvalidParameter
                                                                          : kOk;
}

Status plot(const OperationCall& call) {
    Parameters p;
    if (const Status s = countedParameters(call, 1, 3, p); s != kOk) return s;
    if (const Status s = checkData(call, p[1]); s != kOk) return s;
    for (int i = 2; i <= p.count(); ++i)
        if (!isString(p[i])) return kInvalidParameter;
    return finishWith(call, p);
}

Status polarplot(const OperationCall& call) {
    Parameters p;
    if (const Status s = countedParameters(call, 1, 5, p); s != kOk) return s;
    const int k = p.count();
    if ((k == 2 && !isString(p[2])) || (k == 4 && !isString(p[4])) || (k == 5 && !isString(p[5])))
        return kInvalidParameter;
    if (isString(p[1])) {
        CompiledExpression check(call.services);
        if (const Status s = check.compile(textOf(p[1])); s != kOk) return s;
    } else if (!isNumeric(p[1]) || p[1].cols != 2) {
        return kIncompatibleMatrices;
    }
    return finishWith(call, p);
}

// label and title; the text must be a String as well, since a trace label
// is text.
Status placedText(const OperationCall& call) {
    Parameters p;
    if (const Status s = countedParameters(call, 3, 4, p); s != kOk) return s;
    if (!isScalar(p[1]) || !isScalar(p[2]) || !isString(p[3]) ||
        (p.count() == 4 && !isString(p[4])))
        return kInvalidParameter;
    return finishWith(call, p);
}

}  // namespace

Status performOperation(OperatorCode op, const OperationCall& call) {
    switch (op) {
        case kMoveto:
            return penPoint(call, kPenMove);
        case kLineto:
            return penPoint(call, kPenDraw);
        case kCleargraph:
            return clearGraph(call);
        case kText:
            return text(call);
        case kDrawgraph:
            return drawGraph(call);
        case kLine:
            return line(call);
        case kPlot:
            return plot(call);
        case kPolarplot:
            return polarplot(call);
        case kLabel:
        case kTitle:
            return placedText(call);
        default:
            return kOk;
    }
}

}  // namespace graphing
