/* The contract between the main program and every keypad library: the record
 * the main program keeps per loaded library, the eight entry points a library
 * exports, the operator-code scheme, the engine services handed to libraries,
 * the graph view's curve record and the compiled-code Token.
 *
 * Plain C11 and C++: libraries may be written in either. Every record that
 * crosses the module boundary has its layout checked below, so a change that
 * would break an already built library fails to compile instead. */
#ifndef ORVANA_KEYPAD_H
#define ORVANA_KEYPAD_H

#include <stddef.h>
#include <stdint.h>
#ifndef __cplusplus
#include <uchar.h>
#endif

#include "lattix.h"
#include "platform/message_box.h"
#include "platform/module.h"

#ifdef __cplusplus
#define KEYPAD_STATIC_ASSERT static_assert
#define KEYPAD_INLINE inline
extern "C" {
#else
#define KEYPAD_STATIC_ASSERT _Static_assert
#define KEYPAD_INLINE static inline
#endif

/* ---- Operator codes ------------------------------------------------------
 * An OperatorCode is 16 bits: class in bits 0-3, arity in bits 4-7 (used by
 * class 5 only), identity in bits 8-15. A routed code adds the library number
 * (1-15, 0 for the main program) in bits 16-19. */
typedef uint16_t OperatorCode;

#define KEYPAD_CLASS_OPERAND 0u
#define KEYPAD_CLASS_ADDITIVE 1u
#define KEYPAD_CLASS_MULTIPLICATIVE 2u
#define KEYPAD_CLASS_POWER 3u
#define KEYPAD_CLASS_POSTFIX 4u
#define KEYPAD_CLASS_FUNCTION 5u
#define KEYPAD_CLASS_PARENTHESIS 6u

/* Arity field value of a function taking any number of arguments; the parser
 * then pushes the count after them. */
#define KEYPAD_ARITY_VARIABLE 0xFu

/* Library numbers occupy four bits; 0 is the main program, so at most 15
 * libraries can own operators. */
#define KEYPAD_MAX_LIBRARY_NUMBER 15u

KEYPAD_INLINE uint32_t keypadOperatorClass(uint32_t code) { return code & 0xFu; }
KEYPAD_INLINE uint32_t keypadOperatorArity(uint32_t code) { return (code >> 4) & 0xFu; }
KEYPAD_INLINE uint32_t keypadOperatorIdentity(uint32_t code) { return (code >> 8) & 0xFFu; }

KEYPAD_INLINE uint32_t keypadRoute(uint32_t library, uint16_t code)
{
    return ((library & 0xFu) << 16) | code;
}
KEYPAD_INLINE uint32_t keypadRoutedLibrary(uint32_t routed) { return (routed >> 16) & 0xFu; }
KEYPAD_INLINE OperatorCode keypadRoutedOperator(uint32_t routed)
{
    return (OperatorCode)(routed & 0xFFFFu);
}

/* Routed error codes: library number in the high byte, the library's code
 * (1-255) in the low byte. Message ids below 100 always name the main
 * program's own messages. */
KEYPAD_INLINE uint16_t keypadRouteError(uint32_t library, uint32_t error)
{
    return (uint16_t)(((library & 0xFFu) << 8) | (error & 0xFFu));
}
KEYPAD_INLINE uint32_t keypadErrorLibrary(uint16_t routed) { return (uint32_t)routed >> 8; }
KEYPAD_INLINE uint32_t keypadErrorMessage(uint16_t routed) { return (uint32_t)routed & 0xFFu; }

/* ---- Compiled code -------------------------------------------------------
 * A code list is an array of Tokens ended by one whose code is 0. value is a
 * number, a variable handle, a jump target or an argument count; for the two
 * text-carrying codes (string literal 0x0700, Workspace call 0x0DF5) its 8
 * bytes hold the address of a 0-terminated UTF-16 text owned by the list. */
typedef struct Token {
    uint32_t code;
    double value;
} Token;

KEYPAD_STATIC_ASSERT(offsetof(Token, code) == 0, "Token.code");
KEYPAD_STATIC_ASSERT(offsetof(Token, value) == 8, "Token.value");
KEYPAD_STATIC_ASSERT(sizeof(Token) == 16, "Token size");
KEYPAD_STATIC_ASSERT(sizeof(void*) <= sizeof(double), "a text address fits in Token.value");

/* Variable handles: below 0x1000 globals, 0x1000 and above locals of the
 * running script; findVariable answers this when there is no such variable. */
#define KEYPAD_NO_VARIABLE 0x2000u

/* ---- Engine services -----------------------------------------------------
 * Handed to MapKeyboard, doOperation and doGraph. Libraries rely on the first
 * six entries in exactly this order; the entries after them are the main
 * program's own. */
typedef uint16_t (*KeypadCompileExpressionFn)(const char16_t* text, Token** list);
typedef uint16_t (*KeypadRunCodeFn)(const Token* list, Matrix* result, int32_t angleMode);
typedef void (*KeypadFreeCodeFn)(Token* list);
typedef Matrix* (*KeypadVariableAtFn)(uint16_t handle);
typedef uint16_t (*KeypadFindVariableFn)(const char16_t* name);
typedef uint16_t (*KeypadCreateVariableFn)(const char16_t* name);

typedef struct HostServices {
    KeypadCompileExpressionFn compileExpression;
    KeypadRunCodeFn runCode;
    KeypadFreeCodeFn freeCode;
    KeypadVariableAtFn variableAt;
    KeypadFindVariableFn findVariable;
    KeypadCreateVariableFn createVariable;
    /* The main program's own entries; no library may use them. */
    uint32_t (*lookupName)(const char16_t* name);
    uint32_t (*lookupOperatorChar)(char16_t character);
    void* hostContext;
} HostServices;

KEYPAD_STATIC_ASSERT(offsetof(HostServices, compileExpression) == 0 * sizeof(void*), "HostServices[0]");
KEYPAD_STATIC_ASSERT(offsetof(HostServices, runCode) == 1 * sizeof(void*), "HostServices[1]");
KEYPAD_STATIC_ASSERT(offsetof(HostServices, freeCode) == 2 * sizeof(void*), "HostServices[2]");
KEYPAD_STATIC_ASSERT(offsetof(HostServices, variableAt) == 3 * sizeof(void*), "HostServices[3]");
KEYPAD_STATIC_ASSERT(offsetof(HostServices, findVariable) == 4 * sizeof(void*), "HostServices[4]");
KEYPAD_STATIC_ASSERT(offsetof(HostServices, createVariable) == 5 * sizeof(void*), "HostServices[5]");

/* ---- Graph curves --------------------------------------------------------
 * One of the graph view's 20 curve records, which doGraph may fill. A y value
 * with the bit pattern of KEYPAD_CURVE_GAP marks a sample without a point. */
#define KEYPAD_CURVE_COUNT 20
#define KEYPAD_CURVE_LABEL_UNITS 60
#define KEYPAD_CURVE_GAP (-4.1563442e-25)

typedef struct KeypadCurve {
    uint8_t pointsAtSamples; /* 1: one point per graph column, x array unused */
    int16_t blockIndex;      /* set by the main program */
    int16_t pointCount;
    uint16_t capacity;       /* points the arrays can hold */
    int16_t colour;          /* 1-8 */
    int16_t lineFlag;        /* 1: points joined by lines */
    int16_t markStyle;       /* 0 none, 1-4 marks, 10 labels, 11 title */
    int16_t fitRange;        /* 1: graph view fits its range to the data */
    /* The graph view's own fields; libraries leave them alone. */
    int16_t viewInUse;
    int16_t viewReserved;
    double* x;
    double* y;
    void* auxiliary;         /* graphing's per-point data */
    uint8_t* penUp;          /* one byte per point */
    double firstX;
    double lastX;
    double smallestY;
    double largestY;
    char16_t label[KEYPAD_CURVE_LABEL_UNITS];
    /* The graph view's own fields again. */
    double viewSmallestX;
    double viewLargestX;
    uint32_t viewFlags;
} KeypadCurve;

KEYPAD_STATIC_ASSERT(offsetof(KeypadCurve, pointsAtSamples) == 0, "curve flag");
KEYPAD_STATIC_ASSERT(offsetof(KeypadCurve, blockIndex) == 2, "curve block index");
KEYPAD_STATIC_ASSERT(offsetof(KeypadCurve, pointCount) == 4, "curve point count");
KEYPAD_STATIC_ASSERT(offsetof(KeypadCurve, capacity) == 6, "curve capacity");
KEYPAD_STATIC_ASSERT(offsetof(KeypadCurve, colour) == 8, "curve colour");
KEYPAD_STATIC_ASSERT(offsetof(KeypadCurve, lineFlag) == 10, "curve line flag");
KEYPAD_STATIC_ASSERT(offsetof(KeypadCurve, markStyle) == 12, "curve mark style");
KEYPAD_STATIC_ASSERT(offsetof(KeypadCurve, fitRange) == 14, "curve fit range");
KEYPAD_STATIC_ASSERT(offsetof(KeypadCurve, x) == 24, "curve x array");
KEYPAD_STATIC_ASSERT(offsetof(KeypadCurve, y) == 24 + sizeof(void*), "curve y array");
KEYPAD_STATIC_ASSERT(offsetof(KeypadCurve, auxiliary) == 24 + 2 * sizeof(void*), "curve aux");
KEYPAD_STATIC_ASSERT(offsetof(KeypadCurve, penUp) == 24 + 3 * sizeof(void*), "curve pen-up");
KEYPAD_STATIC_ASSERT(offsetof(KeypadCurve, firstX) == 24 + 4 * sizeof(void*), "curve first x");
KEYPAD_STATIC_ASSERT(offsetof(KeypadCurve, largestY) == offsetof(KeypadCurve, firstX) + 24,
                     "curve extents");
KEYPAD_STATIC_ASSERT(offsetof(KeypadCurve, label) == offsetof(KeypadCurve, firstX) + 32,
                     "curve label");
KEYPAD_STATIC_ASSERT(sizeof(char16_t) == 2, "UTF-16 units");

/* ---- Entry points --------------------------------------------------------
 * Every library exports these eight undecorated names. Handles are opaque:
 * an edit control is a PlatformWindow, a drawing surface and a bitmap are
 * whatever the platform's drawing services hand out. */
typedef void* KeypadSurface;
typedef void* KeypadBitmap;

typedef struct KeypadRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
} KeypadRect;

struct KeypadLibrary;

typedef int32_t (*KeypadGetButtonRectFn)(int32_t row, int32_t column, KeypadRect* rect);
/* keyCode: key character in the low 16 bits, keypad page (2-4) in the high
 * 16 bits. Returns the follow-up action in the low 4 bits. */
typedef int32_t (*KeypadMapKeyboardFn)(uint32_t keyCode, PlatformWindow editControl,
                                       const HostServices* services);
typedef int32_t (*KeypadLoadBMPFn)(KeypadSurface surface, struct KeypadLibrary* library);
typedef OperatorCode (*KeypadGetOperatorFn)(char16_t character);
typedef OperatorCode (*KeypadGetStrOperatorFn)(const char16_t* name);
/* Returns 0 or an error code 1-255. stack is value-stack entry 0. */
typedef int32_t (*KeypadDoOperationFn)(OperatorCode op, int32_t angleMode, int32_t elementwise,
                                       Matrix* stack, int16_t* top, const HostServices* services);
/* samples: the first x value (its count is the double before it). Non-zero:
 * the library drew the block's trace itself. */
typedef int32_t (*KeypadDoGraphFn)(double* samples, KeypadCurve* curves, int16_t* traceCount,
                                   OperatorCode op, int32_t angleMode, int32_t elementwise,
                                   Matrix* stack, int16_t* top, const HostServices* services);
typedef int32_t (*KeypadDoDrawFn)(void);

/* Follow-up actions of MapKeyboard. */
#define KEYPAD_ACTION_NONE 1
#define KEYPAD_ACTION_REPAINT 2
#define KEYPAD_ACTION_EXECUTE 3
#define KEYPAD_ACTION_GRAPH 4

/* One loaded library, fields in this order. */
typedef struct KeypadLibrary {
    PlatformModule* module;
    KeypadBitmap titleBitmap;
    KeypadGetButtonRectFn GetButtonRect;
    KeypadMapKeyboardFn MapKeyboard;
    KeypadLoadBMPFn LoadBMP;
    KeypadGetOperatorFn GetOperator;
    KeypadGetStrOperatorFn GetStrOperator;
    KeypadDoOperationFn doOperation;
    KeypadDoGraphFn doGraph;
    KeypadDoDrawFn doDraw;
} KeypadLibrary;

KEYPAD_STATIC_ASSERT(offsetof(KeypadLibrary, module) == 0, "KeypadLibrary.module");
KEYPAD_STATIC_ASSERT(offsetof(KeypadLibrary, titleBitmap) == 1 * sizeof(void*), "title bitmap");
KEYPAD_STATIC_ASSERT(offsetof(KeypadLibrary, GetButtonRect) == 2 * sizeof(void*), "GetButtonRect");
KEYPAD_STATIC_ASSERT(offsetof(KeypadLibrary, MapKeyboard) == 3 * sizeof(void*), "MapKeyboard");
KEYPAD_STATIC_ASSERT(offsetof(KeypadLibrary, LoadBMP) == 4 * sizeof(void*), "LoadBMP");
KEYPAD_STATIC_ASSERT(offsetof(KeypadLibrary, GetOperator) == 5 * sizeof(void*), "GetOperator");
KEYPAD_STATIC_ASSERT(offsetof(KeypadLibrary, GetStrOperator) == 6 * sizeof(void*), "GetStrOperator");
KEYPAD_STATIC_ASSERT(offsetof(KeypadLibrary, doOperation) == 7 * sizeof(void*), "doOperation");
KEYPAD_STATIC_ASSERT(offsetof(KeypadLibrary, doGraph) == 8 * sizeof(void*), "doGraph");
KEYPAD_STATIC_ASSERT(offsetof(KeypadLibrary, doDraw) == 9 * sizeof(void*), "doDraw");
KEYPAD_STATIC_ASSERT(sizeof(KeypadLibrary) == 10 * sizeof(void*), "KeypadLibrary size");

/* The table the main program keeps, and the length of a library's display
 * name including its terminator. */
#define KEYPAD_LIBRARY_TABLE_SIZE 16
#define KEYPAD_LIBRARY_NAME_UNITS 30

/* Help texts of library operators sit in the library's string table under
 * this id plus the OperatorCode. */
#define KEYPAD_HELP_ID_BASE 0x8000u
/* The string id of an operator's help text. */
#define KEYPAD_HELP_ID(code) (KEYPAD_HELP_ID_BASE + (uint32_t)(code))

/* Optional export of a module, resolved by name (a module without it still
 * loads; it then lists no names): its function names with their operator
 * codes, for help listings. Entry `index` (from 0) sets *name to the name's
 * UTF-16 units (not 0-terminated, kept by the module for its lifetime),
 * *length to their count and *code to its code, and returns 1; past the last
 * entry it returns 0 and sets nothing. */
#define KEYPAD_NAMES_SYMBOL "KeypadNames"
typedef int32_t (*KeypadNamesFn)(int32_t index, const char16_t** name, int32_t* length,
                                 OperatorCode* code);

#ifdef __cplusplus
}
#endif

#endif
