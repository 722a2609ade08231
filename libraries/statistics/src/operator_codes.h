// The operator codes of the Statistics library: class in bits 0-3, parameter
// count in bits 4-7 (15: any number, counted by the parser), identity in bits
// 8-15. Codes are told apart by all sixteen bits: several share an identity.
#ifndef ORVANA_STATISTICS_OPERATOR_CODES_H
#define ORVANA_STATISTICS_OPERATOR_CODES_H

#include "keypad.h"
#include "platform/status.h"

namespace statistics::codes {

// Data columns, sorting, collecting and counting.
constexpr OperatorCode kStore = 0x01F5;
constexpr OperatorCode kSx = 0x0115;
constexpr OperatorCode kSxx = 0x0215;
constexpr OperatorCode kSxy = 0x0315;
constexpr OperatorCode kNum = 0x0415;
constexpr OperatorCode kAvg = 0x0515;
constexpr OperatorCode kStd = 0x0615;
constexpr OperatorCode kMm = 0x0915;
constexpr OperatorCode kSort = 0x0A25;
constexpr OperatorCode kClrv = 0x0B15;
constexpr OperatorCode kPerm = 0x0C25;
constexpr OperatorCode kComb = 0x0D25;
constexpr OperatorCode kLsq = 0x1E15;
constexpr OperatorCode kFactorial = 0x0304;

// Tests on data columns.
constexpr OperatorCode kMdtest = 0x0FF5;
constexpr OperatorCode kSdtest = 0x11F5;
constexpr OperatorCode kMtest = 0x1525;
constexpr OperatorCode kPairtest = 0x17F5;

// Distributions.
constexpr OperatorCode kNorm = 0x0B35;
constexpr OperatorCode kInvnorm = 0x0C35;
constexpr OperatorCode kTdist = 0x1225;
constexpr OperatorCode kInvtdist = 0x1325;
constexpr OperatorCode kFdist = 0x1335;
constexpr OperatorCode kInvfdist = 0x1435;
constexpr OperatorCode kChi = 0x1425;
constexpr OperatorCode kInvchi = 0x1625;
constexpr OperatorCode kBindist = 0x1535;
constexpr OperatorCode kInvbindist = 0x1635;

}  // namespace statistics::codes

namespace statistics::errors {

// The library's own messages (its string table holds their texts).
constexpr int32_t kEmptyData = 101;
constexpr int32_t kSingleValue = 102;
constexpr int32_t kInfiniteSlope = 103;
constexpr int32_t kInsufficientData = 104;
constexpr int32_t kZeroVariance = 105;

// The main program's messages the library gives.
using namespace orvana;

}  // namespace statistics::errors

#endif
