// Letting pending window messages be processed while the thread waits on something else.
#pragma once

namespace tavrel {

// Processes every message waiting for this thread (and so the calls of COM clients, which arrive
// as messages in a single-threaded apartment). A quit message is posted again for the loop that
// owns it, and ends the processing: returns false then.
bool PumpPendingMessages();

}  // namespace tavrel
