/* Files. Paths are 0-terminated UTF-16 with '/' as the separator. */
#ifndef ORVANA_PLATFORM_FILES_H
#define ORVANA_PLATFORM_FILES_H

#include <stdint.h>
#include <uchar.h>

#include "platform/export.h"

#ifdef __cplusplus
extern "C" {
#endif

#define PLATFORM_FILE_NO_ATTRIBUTES 0xFFFFFFFFu
#define PLATFORM_FILE_ATTRIBUTE_READONLY 0x01u
#define PLATFORM_FILE_ATTRIBUTE_DIRECTORY 0x10u
#define PLATFORM_FILE_ATTRIBUTE_NORMAL 0x80u
/* A symbolic link; the other attributes are those of what it points to. */
#define PLATFORM_FILE_ATTRIBUTE_LINK 0x400u

/* The attributes of a file or folder, or PLATFORM_FILE_NO_ATTRIBUTES when
 * there is nothing at that path (or the path is null or cannot be read). */
PLATFORM_API uint32_t platformFileAttributes(const char16_t* path);

/* The entries of one folder ("." and ".." left out), sorted by name unit by
 * unit, each with its attributes. */
typedef struct PlatformFolderListing PlatformFolderListing;

/* Lists a folder; null when the path is not a folder that can be read. */
PLATFORM_API PlatformFolderListing* platformListFolder(const char16_t* folder);
PLATFORM_API int32_t platformFolderEntryCount(const PlatformFolderListing* listing);
/* The name of entry i (no folder part), or null for an index out of range.
 * Valid until the listing is freed. */
PLATFORM_API const char16_t* platformFolderEntryName(const PlatformFolderListing* listing,
                                                     int32_t i);
/* The attributes of entry i, or PLATFORM_FILE_NO_ATTRIBUTES out of range. */
PLATFORM_API uint32_t platformFolderEntryAttributes(const PlatformFolderListing* listing,
                                                    int32_t i);
/* Frees a listing; null is allowed. */
PLATFORM_API void platformFreeFolderListing(PlatformFolderListing* listing);

/* Creates one folder (its parent must exist); 1 when done, 0 otherwise (also
 * when something already exists at the path). */
PLATFORM_API int platformCreateFolder(const char16_t* path);
/* Deletes a file, clearing its read-only attribute first; 1 when done, 0
 * otherwise (a folder is not deleted here). */
PLATFORM_API int platformDeleteFile(const char16_t* path);
/* Removes an empty folder; 1 when done, 0 otherwise. */
PLATFORM_API int platformRemoveFolder(const char16_t* path);

#ifdef __cplusplus
}
#endif

#endif
