// The keypad libraries of orvana-cli: loaded from the folder of the
// executable (or, once installed, from ../lib/orvana beside it) for the
// lifetime of the object.
#ifndef ORVANA_CLI_KEYPAD_LIBRARIES_H
#define ORVANA_CLI_KEYPAD_LIBRARIES_H

namespace cli {

class KeypadLibraries {
  public:
    KeypadLibraries();
    ~KeypadLibraries();
    KeypadLibraries(const KeypadLibraries&) = delete;
    KeypadLibraries& operator=(const KeypadLibraries&) = delete;
};

}  // namespace cli

#endif
