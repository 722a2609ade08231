// The cache of Workspaces called as functions: up to 20 script records,
// found by name (the file name without folder and ".ovw", at most 19
// characters).
#ifndef ORVANA_ENGINE_SCRIPT_CACHE_H
#define ORVANA_ENGINE_SCRIPT_CACHE_H

#include <string>
#include <string_view>

namespace engine {

inline constexpr int kScriptCacheSize = 20;
inline constexpr size_t kScriptNameLimit = 19;

// Forgets the cached Workspace whose name is the file name of `path` without
// its folder and its 4-character extension, so that the next call reads the
// file again. A record that is running stays alive until its calls end.
void dropCachedScript(std::u16string_view path);
// Forgets every cached Workspace.
void clearScriptCache();

int cachedScriptCount();
bool isScriptCached(std::u16string_view name);

}  // namespace engine

#endif
