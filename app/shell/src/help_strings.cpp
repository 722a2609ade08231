// The main program's string table: the help text of every built-in code and
// keyword, under id 0x8000 + the code. Key help shows these in help mode, and
// the help page lists them beside the keypad libraries' own. The platform
// serves it as the program module's table.
#include "shell/help_strings.h"

#include "keypad.h"
#include "platform/string_resources.h"


namespace shell {
namespace {

constexpr PlatformStringEntry kHelpStrings[] = {
    // Numbers, names and answers.
    {KEYPAD_HELP_ID(0x0100), u"A number, such as 12, 0.5 or 1.5E-3."},
    {KEYPAD_HELP_ID(0x0200), u"A variable: its name stands for the value stored in it."},
    {KEYPAD_HELP_ID(0x0300), u"i: the imaginary unit, the square root of -1. 2+3i is a complex number."},
    {KEYPAD_HELP_ID(0x0A00), u"ANS: the answer of the block above. ANS(n) is the answer n blocks back."},
    {KEYPAD_HELP_ID(0x0F15), u"ANS(n): the answer of the block n blocks above this one."},
    {KEYPAD_HELP_ID(0x0C00), u"ANS$(n): the answer n blocks back as a text."},
    {KEYPAD_HELP_ID(0x0700), u"\": a text in double quotes, such as \"abc\"."},
    // Arithmetic.
    {KEYPAD_HELP_ID(0x0101), u"+: adds two numbers or two matrices of the same size."},
    {KEYPAD_HELP_ID(0x0201), u"-: subtracts the right value from the left one."},
    {KEYPAD_HELP_ID(0x0102), u"*: multiplies numbers; for matrices the matrix product."},
    {KEYPAD_HELP_ID(0x0202), u"/: divides; a/B multiplies a by the inverse of B."},
    {KEYPAD_HELP_ID(0x0302), u"-x: the value with its sign changed."},
    {KEYPAD_HELP_ID(0x0305), u"-x after a power: the exponent with its sign changed."},
    {KEYPAD_HELP_ID(0x0505), u"=: stores the value on the right in the variable on the left, as in a=2."},
    // Grouping, matrices and indexing.
    {KEYPAD_HELP_ID(0x0106), u"(: opens a group or the arguments of a function."},
    {KEYPAD_HELP_ID(0x0206), u"): closes a group or the arguments of a function."},
    {KEYPAD_HELP_ID(0x0400), u",: separates arguments, and the columns of a matrix row."},
    {KEYPAD_HELP_ID(0x0500), u"|: starts the next row of a matrix, as in {1,2|3,4}."},
    {KEYPAD_HELP_ID(0x03F5), u"{ }: builds a matrix row by row: {1,2|3,4} is 2 x 2."},
    {KEYPAD_HELP_ID(0x0600), u"}: ends a matrix written with {."},
    {KEYPAD_HELP_ID(0x0205), u"mat(r,c,...): an r x c matrix of the values that follow, row by row."},
    {KEYPAD_HELP_ID(0x01F5), u"[ ]: picks elements: a[2,3] is row 2, column 3; a[:,1] is column 1."},
    {KEYPAD_HELP_ID(0x0BF5), u"name[...]: the part of a variable the indices choose."},
    {KEYPAD_HELP_ID(0x0402), u"Indexing: the part of a value its indices choose."},
    {KEYPAD_HELP_ID(0x0B00), u":: every row or every column; 2:5 is the range 2 to 5."},
    {KEYPAD_HELP_ID(0x0F00), u"a:b: the range of indices from a to b, as in x[1:3]."},
    {KEYPAD_HELP_ID(0x0900), u"_: ignored in an expression; key texts use it to mark a name."},
    // Matrix functions.
    {KEYPAD_HELP_ID(0x0315), u"inv(A): the inverse of a square matrix."},
    {KEYPAD_HELP_ID(0x0415), u"det(A): the determinant of a square matrix."},
    {KEYPAD_HELP_ID(0x0515), u"T(A): the transpose: rows become columns."},
    {KEYPAD_HELP_ID(0x0715), u"re(x): the real part of each element."},
    {KEYPAD_HELP_ID(0x0815), u"im(x): the imaginary part of each element."},
    {KEYPAD_HELP_ID(0x0915), u"I(n): the n x n identity matrix."},
    {KEYPAD_HELP_ID(0x0A15), u"rref(A): the reduced row echelon form; solves linear systems."},
    {KEYPAD_HELP_ID(0x0A25), u"zero(r,c): an r x c matrix of zeros."},
    {KEYPAD_HELP_ID(0x0225), u"round(x,n): x rounded to n digits after the point."},
    {KEYPAD_HELP_ID(0x0615), u"eval(\"text\"): the value of an expression given as text."},
    // Scripts and files.
    {KEYPAD_HELP_ID(0x0C15), u"WHILE(cond): repeats the blocks up to END while cond is not 0."},
    {KEYPAD_HELP_ID(0x0D15), u"IF(cond): runs the blocks up to ELSE or END when cond is not 0."},
    {KEYPAD_HELP_ID(0x0D00), u"ELSE: the blocks run when the IF condition was 0."},
    {KEYPAD_HELP_ID(0x0E00), u"END: ends a WHILE, IF or FOR."},
    {KEYPAD_HELP_ID(0x0145), u"FOR(v,from,to,step): repeats the blocks up to END for each v."},
    {KEYPAD_HELP_ID(0x0B15), u"RETURN(x): ends the script and gives x as its answer."},
    {KEYPAD_HELP_ID(0x0E15), u"LOCAL(a): a variable of this script only."},
    {KEYPAD_HELP_ID(0x1215), u"GLOBAL(a): uses the Workspace's variable a inside a script."},
    {KEYPAD_HELP_ID(0x1115), u"FUNC(name): makes the block a function that can be called by name."},
    {KEYPAD_HELP_ID(0x13F5), u"CONTIFGRAPHING: while graphing, continue only with the blocks below."},
    {KEYPAD_HELP_ID(0x0DF5), u"Calls a saved Workspace of the script directory like a function."},
    {KEYPAD_HELP_ID(0x1015), u"save(\"name\"): saves the Workspace under that name."},
    {KEYPAD_HELP_ID(0x10F5), u"load(\"name\"): loads the variables of a saved Workspace."},
    // Prefixes.
    {KEYPAD_HELP_ID(0x0999), u"V: at the start of a line applies it to each element separately."},
    {KEYPAD_HELP_ID(0x13F6), u"V: at the start of a line applies it to each element separately."},
    {KEYPAD_HELP_ID(0x13FC), u"0x: a hexadecimal number follows, as in 0xFF."},
    {0, nullptr},
};

}  // namespace

const PlatformStringEntry* mainHelpTable() { return kHelpStrings; }

}  // namespace shell
