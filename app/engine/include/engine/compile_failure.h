// Pointing at the part of a line that did not compile.
#ifndef ORVANA_ENGINE_COMPILE_FAILURE_H
#define ORVANA_ENGINE_COMPILE_FAILURE_H

#include <cstddef>
#include <optional>
#include <string_view>

namespace engine {

// Compiles the line again and answers the index in it of the token the
// compiler stopped at (the line's length when the line ended too early).
// None when the line compiles, or when the failure showed only once every
// token was read (an operator without its operands, say).
std::optional<size_t> compileFailureColumn(std::u16string_view line);

}  // namespace engine

#endif
