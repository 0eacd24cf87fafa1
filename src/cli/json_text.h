// JSON as the tool prints it: compact, fields in the order they were added, every control
// character written as \u00XX.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

using Json = nlohmann::ordered_json;

// A JSON string value for file bytes (Latin-1).
Json jsonBytes(std::string_view bytes);

// The compact text of value, without a line end.
std::string jsonText(const Json& value);

// Text for one line of the tool's output with every control character written as JSON
// writes it, \u00XX: a name with a line feed stays on its line, and a terminal shows an
// escape byte instead of obeying it.
std::string lineText(std::string_view text);
