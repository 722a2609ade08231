// The wait cursor a running script shows: on while any script runs (calls
// nest), taken down early when a tap stops the scripts.
#ifndef ORVANA_ENGINE_WAIT_CURSOR_H
#define ORVANA_ENGINE_WAIT_CURSOR_H

namespace engine {

// Takes the cursor down now; the scripts still running leave it down.
void removeWaitCursor();

// Shows the wait cursor for its lifetime (the outermost one puts it up).
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace engine

#endif
