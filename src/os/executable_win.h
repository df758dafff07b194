// Where the running executable lies.
#pragma once

#include <string>

namespace tavrel {

// The full path of the running executable, in the wide form so that any folder name works;
// empty when the system gives none.
std::wstring ExecutablePath();

}  // namespace tavrel
