// The end-to-end tests' eyes inside Wine: a console program that answers one command per line of
// standard input with one line of JSON (UTF-8) on standard output, until "quit" or end of input.
//
//   windows              the top-level windows of every process
//   children HWND        the child windows (controls) of one window, with their texts
//   closebox HWND        the screen point of a window's close box
//   process PID          handle, GDI, window and thread counts and memory of a process
//   desktop              the desktop window's rectangle
//   threadcost N         this process's memory before and after starting and joining N threads
#include "tests/e2e/probe/process.h"
#include "tests/e2e/probe/windows.h"

#include <cstdlib>
#include <sstream>
#include <string>

namespace {

bool ReadLine(HANDLE input, std::string &line) {
  line.clear();
  char c = 0;
  DWORD got = 0;
  while (ReadFile(input, &c, 1, &got, nullptr) && got == 1) {
    if (c == '\n')
      return true;
    if (c != '\r')
      line += c;
  }
  return !line.empty();
}

void Answer(HANDLE output, std::string text) {
  text += '\n';
  DWORD written = 0;
  WriteFile(output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

HWND WindowArgument(std::istringstream &words) {
  unsigned long long value = 0;
  words >> value;
  return reinterpret_cast<HWND>(static_cast<uintptr_t>(value));
}

} // namespace

int main() {
  const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  std::string command;
  while (ReadLine(input, command)) {
    std::istringstream words(command);
    std::string verb;
    words >> verb;
    JsonLine line;
    if (verb == "quit")
      break;
    if (verb == "windows") {
      ListTopLevelWindows(line);
    } else if (verb == "children") {
      ListChildWindows(line, WindowArgument(words));
    } else if (verb == "closebox") {
      FindCloseBox(line, WindowArgument(words));
    } else if (verb == "process") {
      unsigned long processId = 0;
      words >> processId;
      DescribeProcess(line, processId);
    } else if (verb == "threadcost") {
      int count = 0;
      words >> count;
      MeasureThreadCost(line, count);
    } else if (verb == "desktop") {
      DescribeDesktop(line);
    } else {
      BeginObject(line);
      Field(line, "error", "unknown command: " + command);
      EndObject(line);
    }
    Answer(output, line.text);
  }
  return EXIT_SUCCESS;
}
