// Fuzzes compiling and evaluating: each input is a few lines typed into a
// Workspace and executed (see evaluation_session.h).
#include <cstdlib>

#include "evaluation_session.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    orvana::fuzzing::installFuzzLibrary();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!orvana::fuzzing::runInput(data, size)) std::abort();
    return 0;
}
