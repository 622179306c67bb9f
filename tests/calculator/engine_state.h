#pragma once

#include <ostream>
#include <sstream>
#include <string>

#include "calculator/keypad_engine.h"
#include "reference/keypad_invariants.h"

namespace worthmere::testing {

using reference::EngineState;
using reference::StateOf;

inline std::string Describe(const KeypadEngine::Operand& operand) {
  if (const auto* text = std::get_if<std::string>(&operand)) return "text \"" + *text + '"';
  std::ostringstream out;
  out << "number " << *std::get_if<double>(&operand);
  return out.str();
}

}  // namespace worthmere::testing

// Beside the type, where GoogleTest looks for it.
namespace worthmere::reference {

inline void PrintTo(const EngineState& state, std::ostream* out) {
  using testing::Describe;
  *out << "{display \"" << state.display << "\", last input " << static_cast<int>(state.last_input)
       << ", decimal " << state.decimal_entered << ", count " << state.operator_count
       << ", pending \"" << state.pending_operator << "\", operand1 " << Describe(state.operand1)
       << ", operand2 " << Describe(state.operand2) << "}";
}

}  // namespace worthmere::reference
