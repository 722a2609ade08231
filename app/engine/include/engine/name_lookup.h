// Giving names and operator characters their routed operator codes.
#ifndef ORVANA_ENGINE_NAME_LOOKUP_H
#define ORVANA_ENGINE_NAME_LOOKUP_H

#include <cstdint>
#include <string_view>

namespace engine {

// Routed code of a name, first hit wins: built-in keywords, user functions,
// loaded libraries in load order, Workspaces of the script folder. 0 when the
// name is none of these (it is then a variable name).
uint32_t lookupName(std::u16string_view name);
// Routed code of an operator character: the built-in ones, then each loaded
// library in load order; 0 when nobody knows it.
uint32_t lookupOperatorChar(char16_t character);

// Names of this length or more are never Workspace calls.
constexpr size_t kWorkspaceNameLimit = 20;

}  // namespace engine

#endif
