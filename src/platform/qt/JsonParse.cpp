#include "platform/JsonParse.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

namespace {

// Qt's own words for the error, untranslated: the line names the fault the same way whatever
// language the interface has (Qt's translation of them follows the interface language).
std::string ParseErrorText(QJsonParseError::ParseError error) {
  switch (error) {
    case QJsonParseError::UnterminatedObject: return "unterminated object";
    case QJsonParseError::MissingNameSeparator: return "missing name separator";
    case QJsonParseError::UnterminatedArray: return "unterminated array";
    case QJsonParseError::MissingValueSeparator: return "missing value separator";
    case QJsonParseError::IllegalValue: return "illegal value";
    case QJsonParseError::TerminationByNumber: return "invalid termination by number";
    case QJsonParseError::IllegalNumber: return "illegal number";
    case QJsonParseError::IllegalEscapeSequence: return "invalid escape sequence";
    case QJsonParseError::IllegalUTF8String: return "invalid UTF8 string";
    case QJsonParseError::UnterminatedString: return "unterminated string";
    case QJsonParseError::MissingObject: return "object is missing after a comma";
    case QJsonParseError::DeepNesting: return "too deeply nested document";
    case QJsonParseError::DocumentTooLarge: return "too large document";
    case QJsonParseError::GarbageAtEnd: return "garbage at the end of the document";
    default: return "no error occurred";
  }
}

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
    parse.error = "not JSON: " + ParseErrorText(error.error) + " at byte " + std::to_string(error.offset);
    return parse;
  }
  parse.value = Convert(document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object()));
  return parse;
}
