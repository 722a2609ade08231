/* Compiled as C11 only to prove that keypad.h and its layout checks are valid
 * C; nothing links this object. */
#include "keypad.h"

uint32_t keypadCheckRouting(uint32_t library, uint16_t code);
uint32_t keypadCheckRouting(uint32_t library, uint16_t code)
{
    return keypadRoute(library, code) + keypadOperatorClass(code) + keypadOperatorArity(code);
}
