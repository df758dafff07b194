// The server at rest: what a server process started for one object costs while its client holds
// that object and sends no request.
#pragma once

namespace tavrel::bench {

// Creates the registered server's object out of process, prints the modules the server process
// has loaded, then holds the object for holdSeconds (its memory is read from outside meanwhile:
// Wine reports no private bytes of another process). False when there is no such server.
[[nodiscard]] bool ServerIdleReport(int holdSeconds);

}  // namespace tavrel::bench
