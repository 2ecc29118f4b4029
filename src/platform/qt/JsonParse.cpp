#include "platform/JsonParse.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

namespace {

// Qt's parser refuses documents nested deeper than it can handle, so the recursion here
// stays as shallow as the document it was given.
JsonValue Convert(const QJsonValue& in) {
  JsonValue out;
  switch (in.type()) {
    case QJsonValue::Bool:
      out.type = JsonValue::Type::kBool;
      out.boolean = in.toBool();
      break;
    case QJsonValue::Double:
      out.type = JsonValue::Type::kNumber;
      out.number = in.toDouble();
      break;
    case QJsonValue::String:
      out.type = JsonValue::Type::kString;
      out.string = in.toString().toStdString();
      break;
    case QJsonValue::Array: {
      out.type = JsonValue::Type::kArray;
      const QJsonArray array = in.toArray();
      out.array.reserve(static_cast<size_t>(array.size()));
      for (const QJsonValue& item : array) out.array.push_back(Convert(item));
      break;
    }
    case QJsonValue::Object: {
      out.type = JsonValue::Type::kObject;
      const QJsonObject object = in.toObject();
      for (auto it = object.begin(); it != object.end(); ++it) {
        out.members.push_back({it.key().toStdString(), Convert(it.value())});
      }
      break;
    }
    case QJsonValue::Null:
    case QJsonValue::Undefined:
      break;
  }
  return out;
}

}  // namespace

JsonParse ParseJson(std::span<const uint8_t> bytes) {
  if (bytes.empty()) return {std::nullopt, "not JSON: empty"};
  const QByteArray text(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(text, &error);
  JsonParse parse;
  if (error.error != QJsonParseError::NoError) {
    parse.error = "not JSON: " + error.errorString().toStdString() + " at byte " + std::to_string(error.offset);
    return parse;
  }
  parse.value = Convert(document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object()));
  return parse;
}
