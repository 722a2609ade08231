/* String resources: every module carries a table of id to UTF-16 text and
 * exports it under the name in PLATFORM_STRING_TABLE_SYMBOL. */
#ifndef ORVANA_PLATFORM_STRING_RESOURCES_H
#define ORVANA_PLATFORM_STRING_RESOURCES_H

#include <stddef.h>
#include <stdint.h>
#include <uchar.h>

#include "platform/export.h"
#include "platform/module.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct PlatformStringEntry {
    uint32_t id;
    const char16_t* text; /* 0-terminated; null ends the table */
} PlatformStringEntry;

/* A module exports its table as
 *     PLATFORM_API extern const PlatformStringEntry orvanaStringTable[];
 * ended by an entry whose text is null. */
#define PLATFORM_STRING_TABLE_SYMBOL "orvanaStringTable"

/* Registers the program's own string table (null removes it), which
 * platformProgramModule() then serves. The program's table is not exported
 * under PLATFORM_STRING_TABLE_SYMBOL: a program-wide symbol of that name would
 * take the place of every loaded module's own. */
PLATFORM_API void platformSetProgramStringTable(const PlatformStringEntry* table);

/* Copies string `id` of `module` into out (capacity units, always
 * 0-terminated when capacity > 0, cut to fit) and returns its length as
 * copied; 0 when the module has no table or no such string. */
PLATFORM_API size_t platformLoadString(PlatformModule* module, uint32_t id, char16_t* out,
                                       size_t capacity);

/* The string itself, or null; it lives as long as the module stays loaded. */
PLATFORM_API const char16_t* platformFindString(PlatformModule* module, uint32_t id);

#ifdef __cplusplus
}
#endif

#endif
