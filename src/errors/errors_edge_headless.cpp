// Where there is no Windows the platform has no boxes and no texts: its edges are the silent ones.
#include "errors/errors_edge.h"

namespace tavrel {

ErrorEdges PlatformEdges() noexcept {
  return SilentEdges();
}

}  // namespace tavrel
