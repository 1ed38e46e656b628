#include "common/pending_messages.h"
#include "common/ui/message_pump_win.h"

namespace vx {

// A quit seen here stays queued for the main loop; the listing itself ends on its own.
void LetPendingMessagesRun() { LetMessagesRun(); }

}  // namespace vx
