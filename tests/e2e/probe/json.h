// A one-line JSON writer: the inspector answers each command with one line, so that the test
// driver can read answers off a pipe with readline.
#pragma once

#include <string>
#include <string_view>

struct JsonLine {
  std::string text;
  bool needComma = false;
};

void BeginObject(JsonLine &line);
void EndObject(JsonLine &line);
void BeginArray(JsonLine &line, std::string_view key);
void EndArray(JsonLine &line);
void Field(JsonLine &line, std::string_view key, long long value);
void Field(JsonLine &line, std::string_view key, std::string_view utf8);
void Field(JsonLine &line, std::string_view key, bool value);
// A [left, top, right, bottom] array.
void RectField(JsonLine &line, std::string_view key, long left, long top, long right, long bottom);
