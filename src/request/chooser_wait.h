// The driver's wait while the chooser is shown: window messages are processed until it has gone.
#pragma once

namespace tavrel {

// Processes window messages until the chooser has unloaded. A quit message ends the wait early
// and is posted again for the server's own loop.
void WaitUntilChooserGone();

}  // namespace tavrel
