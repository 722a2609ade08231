// Loading keypad modules into the library table (library_table.h) and
// releasing them again at exit.
//
// A keypad module is a shared object exporting the eight entry points of
// keypad.h. Modules are entered in the order they are loaded, and the
// library number of each is its position in the table (1 to 15).
#ifndef ORVANA_ENGINE_LIBRARY_LOADER_H
#define ORVANA_ENGINE_LIBRARY_LOADER_H

namespace engine {

// Loads one module, resolves its eight entry points and adds it to the
// library table under its file name without the ".so" ending. Returns its
// library number, or 0 when the module cannot be loaded, lacks an entry
// point or the table is full (each with a line on standard error).
int loadKeypadLibraryFile(const char* path);

// Loads every "*.so" file of the folder in name order, leaving out the
// shared libraries the program links directly (names beginning with "lib",
// such as the value library), until the table holds 15 libraries. Returns
// how many modules this call added.
int loadKeypadLibraries(const char* folder);

// Empties the library table and releases every module the loader loaded.
void unloadKeypadLibraries();

}  // namespace engine

#endif
