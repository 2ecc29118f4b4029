#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/JsonValue.h"

// The outcome of parsing a JSON text: the document, or why it is none.
struct JsonParse {
  std::optional<JsonValue> value;
  // "not JSON: <the parser's words> at byte <offset>"; empty when parsed.
  std::string error;
};

// Parses UTF-8 JSON text whose top level is an object or an array.
JsonParse ParseJson(std::span<const uint8_t> bytes);
