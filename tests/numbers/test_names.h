#pragma once

#include <cctype>
#include <string>

namespace worthmere::testing {

// A gtest parameter name made of a row's behaviour text.
template <typename Info>
std::string RowName(const Info& info) {
  std::string name = info.param.behaviour;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

}  // namespace worthmere::testing
