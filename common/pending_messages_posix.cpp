#include "common/pending_messages.h"

namespace vx {

// No window messages wait in the native build.
void LetPendingMessagesRun() {}

}  // namespace vx
