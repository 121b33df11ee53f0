#pragma once

#include <gtest/gtest.h>
#include <cctype>
#include <string>
#include <type_traits>

// Readable names for parameterised cases whose rows carry no name of their own, so ctest lists
// "Rule/SaveCorrections.AsTabled/W100H32On64x32" instead of an index.

// A test name from words and numbers: "W", 100, "H", 32 gives "W100H32" (a minus sign becomes
// "Minus", so every name stays a valid identifier).
template <typename... Parts>
std::string caseName(const Parts&... parts) {
  std::string out;
  const auto add = [&out](const auto& part) {
    if constexpr (std::is_arithmetic_v<std::decay_t<decltype(part)>>) {
      const std::string digits = std::to_string(part);
      out += digits.front() == '-' ? "Minus" + digits.substr(1) : digits;
    } else {
      for (const char c : std::string(part)) {
        if (std::isalnum(static_cast<unsigned char>(c))) out += c;
      }
    }
  };
  (add(parts), ...);
  return out;
}
