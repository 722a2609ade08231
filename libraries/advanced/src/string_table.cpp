// The library's string table: its error messages under their codes and one
// help text per function under 0x8000 + the function's operator code.
#include "advanced_codes.h"
#include "platform/string_resources.h"

extern "C" {
PLATFORM_API extern const PlatformStringEntry orvanaStringTable[];
}

using namespace advanced;

const PlatformStringEntry orvanaStringTable[] = {
    {kNoBracket, u"Bounds do not bracket a single root"},
    {kNoRoot, u"Can not find any root"},
    {kTooManyIterations, u"Maximum number of iterations exceeded"},
    {kOrderTooHigh, u"System order must be less than 18"},
    {kWrongInitialConditions, u"Wrong number of initial conditions"},
    {KEYPAD_HELP_ID(kInteg),
     u"integ(\"f(x)\",a,b,opt) integrates f(x) from a to b.  f(x) must be provided as a "
     u"string.\r\nopt is optional:\r\nnone=use Romberg method;\r\ninteger>1, use simpsons with "
     u"opt partitions;\r\ninteger<1 use Romberg with opt tol.;\r\n\"x\", use for fast graphing"},
    {KEYPAD_HELP_ID(kDdt),
     u"ddt(\"fun(x)\") or ddt(\"fun(x)\",d) finds derivative of fun(x) at current x.  fun(x) "
     u"must be provided as a string.  d is the options step size."},
    {KEYPAD_HELP_ID(kSolve),
     u"solve(\"fun(x)\",a,b) for fun(x)=0   a<x<b.  solve(\"fun(c)\",a,b,\"c\") solves "
     u"fun(c)=0.  fun(x) must be provided as a string"},
    {KEYPAD_HELP_ID(kRoots),
     u"roots(a,b,c,..) finds zeros of a polynomial. a,b,c ... are coefficients from highest "
     u"power to constant term.  Also use roots({a,b,c,...}).  Solves up to 18th order."},
    {KEYPAD_HELP_ID(kRk),
     u"rk(\"f(x,y)\",k) solves dy/dx=f(x,y) with y(0)=k.  Graph to see the solution."},
    {KEYPAD_HELP_ID(kLti),
     u"lti(a,b,c,...,\"f(x)\",ICopt) or lti({a,b,c,...},\"f(x)\",ICopt) solves a*y''+b*y'+c*y"
     u"...=f(x).  ICopt is optional: initial conditions from the highest derivative down to y.  "
     u"Graph to see the solution."},
    {KEYPAD_HELP_ID(kAugc), u"argc(a,b,...) returns matrix from augmenting columns of a,b,..."},
    {KEYPAD_HELP_ID(kSize), u"size(x) returns the matrix {rows in x, cols in x}"},
    {KEYPAD_HELP_ID(kOnes), u"ones(n,m) returns an n x m matrix of all ones"},
    {KEYPAD_HELP_ID(kFill),
     u"fill(s,b,e) returns column matrix with elements starting at s, ending at e and "
     u"incremented by b"},
    {KEYPAD_HELP_ID(kAugr), u"argr(a,b,...) returns the matrix from augmenting rows of a,b,..."},
    {KEYPAD_HELP_ID(kEig),
     u"eig(a) or eig(a,\"v\") returns eigenvalues of a.  Optionally returns eigenvectors in v"},
    {KEYPAD_HELP_ID(kAug),
     u"aug(a,b,c,...) combines elements in a,b,c... into a single column vector"},
    {0, nullptr},
};
