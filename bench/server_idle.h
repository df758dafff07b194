// The server at rest: what a server process started for one object costs while its client holds
// that object and sends no request.
#pragma once

namespace tavrel::bench {

// Creates the registered server's object out of process, holds it, and prints the server
// process's private bytes and the modules it has loaded. False when there is no such server.
[[nodiscard]] bool ServerIdleReport();

}  // namespace tavrel::bench
