#pragma once

#include <cstdint>
#include <string>

// A typed value: the value of a global variable and of a world-command
// argument. Kind 1 int, 2 float, 3 string; 0 only when default-constructed.
struct CScriptValue {
    static constexpr std::int32_t kInt = 1;
    static constexpr std::int32_t kFloat = 2;
    static constexpr std::int32_t kString = 3;

    CScriptValue() = default;
    explicit CScriptValue(std::int32_t value) : kind(kInt), intValue(value) {}
    explicit CScriptValue(float value) : kind(kFloat), floatValue(value) {}
    explicit CScriptValue(std::string value) : kind(kString), stringValue(std::move(value)) {}

    // The float value for a float, otherwise the int value (a string reads 0).
    // Inline: loops read globals through it.
    float AsFloat() const { return kind == kFloat ? floatValue : static_cast<float>(intValue); }
    // The int value for an int, otherwise the float value truncated toward
    // zero (a string reads 0).
    std::int32_t AsInt() const;

    std::int32_t kind = 0;
    std::int32_t intValue = 0;
    float floatValue = 0.0f;
    std::string stringValue;
};
