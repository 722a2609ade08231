// Compiling one expression line into a code list (see code_list.h).
#ifndef ORVANA_ENGINE_PARSER_H
#define ORVANA_ENGINE_PARSER_H

#include <cstdint>

#include "keypad.h"

extern "C" {

// 0 with *list set: compiled. 0 with *list null: an empty or all-space line.
// 63: a comment line, no list. Anything else: the failure code, no list and
// nothing left allocated. The list belongs to the caller (freeCode).
uint16_t compileExpression(const char16_t* text, Token** list);

// Frees a code list and the texts its tokens own; null is ignored.
void freeCode(Token* list);

}

#endif
