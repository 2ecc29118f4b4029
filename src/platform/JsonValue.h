#pragma once
#include <string>
#include <vector>

// A JSON document as plain values, so that readers of JSON files stay free of the library
// that parses them (ParseJson in platform/JsonParse.h does, with Qt's parser in platform/qt/).
struct JsonMember;

struct JsonValue {
  enum class Type { kNull, kBool, kNumber, kString, kArray, kObject };

  Type type = Type::kNull;
  bool boolean = false;
  double number = 0;
  std::string string;
  std::vector<JsonValue> array;
  // The members of an object, in the order of their keys; a key given twice is kept once.
  std::vector<JsonMember> members;

  // The member of an object with this key; nullptr when there is none or this is no object.
  const JsonValue* Find(const std::string& key) const;
};

struct JsonMember {
  std::string key;
  JsonValue value;
};

inline const JsonValue* JsonValue::Find(const std::string& key) const {
  for (const JsonMember& member : members) {
    if (member.key == key) return &member.value;
  }
  return nullptr;
}
