// The one message box of the program: composes caption, text, icon and buttons from a failure
// or from the numbered catalogue, wraps the text, beeps and shows it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrel {

// The catalogue's numbers start at the object-defined base: 0x80040000 + 4502 is message 4502.
namespace message {
constexpr std::int32_t kUnpackFailed = static_cast<std::int32_t>(0x80040000u) + 4502;
}

// Results besides a button answer. nullopt: a silent number, nothing was shown.
namespace msgresult {
constexpr std::int32_t kDescribed = -1;      // the text came from a failure or a description
constexpr std::int32_t kNotDescribed = -2;   // the number has no description
constexpr std::int32_t kOwnFailure = -3;     // composing or showing failed
constexpr std::int32_t kCatalogueError = 1;  // catalogue errors 4000 to 4003, and quiet mode
}  // namespace msgresult

// Shows the message for number: from the pending failure when there is one, otherwise from the
// catalogue. text, when given and not empty, is shown in place of the composed text; in quiet
// mode nothing is shown and *text receives the composed text.
std::optional<std::int32_t> MessageHandler(std::int32_t number,
                                           std::optional<std::string_view> title = {},
                                           std::string* text = nullptr, bool quiet = false);

}  // namespace tavrel
