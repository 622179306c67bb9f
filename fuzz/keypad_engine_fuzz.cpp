// The keypad engine on arbitrary key sequences: after every key the engine must keep the keypad
// invariants (reference/keypad_invariants.h).
//
// Input layout: one key per byte: "0" to "9", ".", "+", "-", "X", "/", "=", "%", "C", "E" (CE)
// stand for their keys; any other byte is key (byte modulo 19) in that order.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "calculator/keypad_engine.h"
#include "fuzz/fuzz_check.h"
#include "reference/keypad_invariants.h"

namespace worthmere::fuzz {
namespace {

char KeyOf(std::uint8_t byte) {
  const auto c = static_cast<char>(byte);
  if (reference::kKeypadKeys.find(c) != std::string_view::npos) return c;
  return reference::kKeypadKeys[byte % reference::kKeypadKeys.size()];
}

}  // namespace
}  // namespace worthmere::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace worthmere;
  KeypadEngine engine;
  std::string keys;
  for (std::size_t i = 0; i < size; ++i) {
    const char key = fuzz::KeyOf(data[i]);
    keys.push_back(key);
    const auto before = reference::BeforeKey::Of(engine);
    const std::optional<KeypadMessage> message = reference::PressKeypadKey(engine, key);
    if (const char* broken = reference::BrokenKeypadInvariant(engine, key, before, message)) {
      fuzz::Fail(broken, "keys " + keys + " show \"" + engine.DisplayText() + "\"" +
                             (message ? " with message " + message->text : ""));
    }
  }
  return 0;
}
