#include "tests/e2e/probe/json.h"

#include <cstdio>

namespace {

void Separate(JsonLine &line) {
  if (line.needComma)
    line.text += ',';
  line.needComma = false;
}

void Quoted(JsonLine &line, std::string_view utf8) {
  line.text += '"';
  for (unsigned char c : utf8) {
    if (c == '"' || c == '\\') {
      line.text += '\\';
      line.text += static_cast<char>(c);
    } else if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", c);
      line.text += escape;
    } else {
      line.text += static_cast<char>(c);
    }
  }
  line.text += '"';
}

void Key(JsonLine &line, std::string_view key) {
  Separate(line);
  Quoted(line, key);
  line.text += ':';
}

} // namespace

void BeginObject(JsonLine &line) {
  Separate(line);
  line.text += '{';
}

void EndObject(JsonLine &line) {
  line.text += '}';
  line.needComma = true;
}

void BeginArray(JsonLine &line, std::string_view key) {
  Key(line, key);
  line.text += '[';
}

void EndArray(JsonLine &line) {
  line.text += ']';
  line.needComma = true;
}

void Field(JsonLine &line, std::string_view key, long long value) {
  Key(line, key);
  line.text += std::to_string(value);
  line.needComma = true;
}

void Field(JsonLine &line, std::string_view key, std::string_view utf8) {
  Key(line, key);
  Quoted(line, utf8);
  line.needComma = true;
}

void Field(JsonLine &line, std::string_view key, bool value) {
  Key(line, key);
  line.text += value ? "true" : "false";
  line.needComma = true;
}

void RectField(JsonLine &line, std::string_view key, long left, long top, long right, long bottom) {
  Key(line, key);
  line.text += '[' + std::to_string(left) + ',' + std::to_string(top) + ',' + std::to_string(right) + ',' +
               std::to_string(bottom) + ']';
  line.needComma = true;
}
