// Native stand-in for the Win32 calls of the maze model. It records what the model does
// (bitmaps loaded and deleted, messages sent) and lets a test set the tick count or make a
// bitmap fail to load. Thread-safe: the rules are exercised from two threads at once.
#pragma once

#include <cstdint>
#include <vector>

#define WINAPI
#define MAKEINTRESOURCEA(id) (reinterpret_cast<const char *>(static_cast<std::uintptr_t>(static_cast<unsigned short>(id))))

using BOOL = int;
using BYTE = unsigned char;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

struct HBITMAP__;
struct HINSTANCE__;
struct HWND__;
using HBITMAP = HBITMAP__ *;
using HINSTANCE = HINSTANCE__ *;
using HMODULE = HINSTANCE;
using HWND = HWND__ *;
using HGDIOBJ = void *;

constexpr UINT WM_USER = 0x0400;
constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

HMODULE GetModuleHandleA(const char *moduleName);
DWORD GetTickCount();
HBITMAP LoadBitmapA(HINSTANCE instance, const char *name);
BOOL DeleteObject(HGDIOBJ object);
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

namespace standin {

struct SentMessage {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const SentMessage &) const = default;
};

// Back to a fresh process: tick count 0, every bitmap loads, no records.
void Reset();

void SetTickCount(DWORD ticks);

// LoadBitmapA of this resource identifier yields no handle until Reset.
void FailBitmapLoad(int resourceId);

// Identifiers in the order LoadBitmapA was asked for them (failed loads included).
std::vector<int> LoadedBitmapIds();
// Identifiers of the bitmaps DeleteObject released, in order.
std::vector<int> DeletedBitmapIds();
// Bitmaps loaded and not yet deleted.
int LiveBitmaps();

std::vector<SentMessage> SentMessages();
void ClearSentMessages();

// A distinct, never dereferenced window handle for tests.
HWND FakeWindow(int n);

} // namespace standin
