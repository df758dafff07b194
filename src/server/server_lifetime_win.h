// The server process lives while objects or locks exist; the last release ends its message loop.
#pragma once

namespace tavrel {

void AddRefServer();
void ReleaseServer();

}  // namespace tavrel
