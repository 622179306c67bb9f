#pragma once

#include <ostream>
#include <sstream>
#include <string>

#include "calculator/keypad_engine.h"

namespace worthmere::testing {

// Everything the engine holds, to compare whole states.
struct EngineState {
  std::string display;
  LastInputKind last_input;
  bool decimal_entered;
  std::int16_t operator_count;
  std::string pending_operator;
  KeypadEngine::Operand operand1;
  KeypadEngine::Operand operand2;

  bool operator==(const EngineState&) const = default;
};

inline EngineState StateOf(const KeypadEngine& engine) {
  return {engine.DisplayText(),   engine.LastInput(),       engine.DecimalEntered(),
          engine.OperatorCount(), engine.PendingOperator(), engine.Operand1(),
          engine.Operand2()};
}

inline std::string Describe(const KeypadEngine::Operand& operand) {
  if (const auto* text = std::get_if<std::string>(&operand)) return "text \"" + *text + '"';
  std::ostringstream out;
  out << "number " << *std::get_if<double>(&operand);
  return out.str();
}

inline void PrintTo(const EngineState& state, std::ostream* out) {
  *out << "{display \"" << state.display << "\", last input " << static_cast<int>(state.last_input)
       << ", decimal " << state.decimal_entered << ", count " << state.operator_count
       << ", pending \"" << state.pending_operator << "\", operand1 " << Describe(state.operand1)
       << ", operand2 " << Describe(state.operand2) << "}";
}

}  // namespace worthmere::testing
