#include "platform/standin.h"

#include <cstdlib>
#include <map>
#include <mutex>
#include <new>
#include <set>

namespace {

// The stand-in keeps its records outside the C++ heap, so that tests counting or failing the
// model's allocations see only the model's.
template <typename T> struct RawAllocator {
  using value_type = T;
  RawAllocator() = default;
  template <typename U> RawAllocator(const RawAllocator<U> &) {}
  T *allocate(std::size_t n) {
    if (void *block = std::malloc(n * sizeof(T)))
      return static_cast<T *>(block);
    std::abort();
  }
  void deallocate(T *block, std::size_t) { std::free(block); }
  template <typename U> bool operator==(const RawAllocator<U> &) const { return true; }
};

template <typename T> using RawVector = std::vector<T, RawAllocator<T>>;
template <typename K, typename V> using RawMap = std::map<K, V, std::less<K>, RawAllocator<std::pair<const K, V>>>;
template <typename K> using RawSet = std::set<K, std::less<K>, RawAllocator<K>>;

struct State {
  std::mutex lock;
  DWORD ticks = 0;
  RawSet<int> failingIds;
  RawVector<int> loaded;
  RawVector<int> deleted;
  RawMap<HBITMAP, int> live;
  std::uintptr_t nextHandle = 0x1000;
  RawVector<standin::SentMessage> sent;
};

State &state() {
  static State s;
  return s;
}

int moduleAnchor; // its address serves as the program's module handle

} // namespace

HMODULE GetModuleHandleA(const char *moduleName) {
  return moduleName == nullptr ? reinterpret_cast<HMODULE>(&moduleAnchor) : nullptr;
}

DWORD GetTickCount() {
  std::lock_guard guard(state().lock);
  return state().ticks;
}

HBITMAP LoadBitmapA(HINSTANCE instance, const char *name) {
  auto &s = state();
  std::lock_guard guard(s.lock);
  const int id = static_cast<int>(reinterpret_cast<std::uintptr_t>(name));
  s.loaded.push_back(id);
  if (instance != GetModuleHandleA(nullptr) || s.failingIds.contains(id))
    return nullptr;
  auto handle = reinterpret_cast<HBITMAP>(s.nextHandle += 0x10);
  s.live.emplace(handle, id);
  return handle;
}

BOOL DeleteObject(HGDIOBJ object) {
  auto &s = state();
  std::lock_guard guard(s.lock);
  const auto found = s.live.find(static_cast<HBITMAP>(object));
  if (found == s.live.end())
    return FALSE;
  s.deleted.push_back(found->second);
  s.live.erase(found);
  return TRUE;
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto &s = state();
  std::lock_guard guard(s.lock);
  s.sent.push_back({window, message, wParam, lParam});
  return 0;
}

namespace standin {

void Reset() {
  auto &s = state();
  std::lock_guard guard(s.lock);
  s.ticks = 0;
  s.failingIds.clear();
  s.loaded.clear();
  s.deleted.clear();
  s.live.clear();
  s.sent.clear();
}

void SetTickCount(DWORD ticks) {
  std::lock_guard guard(state().lock);
  state().ticks = ticks;
}

void FailBitmapLoad(int resourceId) {
  std::lock_guard guard(state().lock);
  state().failingIds.insert(resourceId);
}

std::vector<int> LoadedBitmapIds() {
  std::lock_guard guard(state().lock);
  return {state().loaded.begin(), state().loaded.end()};
}

std::vector<int> DeletedBitmapIds() {
  std::lock_guard guard(state().lock);
  return {state().deleted.begin(), state().deleted.end()};
}

int LiveBitmaps() {
  std::lock_guard guard(state().lock);
  return static_cast<int>(state().live.size());
}

std::vector<SentMessage> SentMessages() {
  std::lock_guard guard(state().lock);
  return {state().sent.begin(), state().sent.end()};
}

void ClearSentMessages() {
  std::lock_guard guard(state().lock);
  state().sent.clear();
}

HWND FakeWindow(int n) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x10000 + 0x100 * n)); }

} // namespace standin
