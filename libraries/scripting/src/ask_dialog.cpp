// ASK's dialog through the platform. (Interim: answers Cancel until the
// platform's prompt dialog is available.)
#include "ask_dialog.h"

namespace scripting {

int32_t showAskDialog(AskDialog&) {
    return 0;
}

}  // namespace scripting
