#pragma once

#include <cstdint>
#include <string>

// The comparisons of `if` and `while` conditions, by operator id (38..43).
// Floats compare exactly; strings compare byte for byte and know only `==`
// and `!=`. Any other operator id gives false.
bool CompareNumbers(float left, std::int32_t operatorId, float right);
bool CompareStrings(const std::string& left, std::int32_t operatorId, const std::string& right);
