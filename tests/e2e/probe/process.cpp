#include "tests/e2e/probe/process.h"

#include <psapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<void, HandleCloser>;

OwnedHandle Own(HANDLE handle) { return OwnedHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle); }

long long ThreadCount(DWORD processId) {
  const OwnedHandle snapshot = Own(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  if (!snapshot)
    return -1;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  long long count = 0;
  for (BOOL more = Thread32First(snapshot.get(), &entry); more; more = Thread32Next(snapshot.get(), &entry))
    if (entry.th32OwnerProcessID == processId)
      ++count;
  return count;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM counter) {
  auto &count = *reinterpret_cast<std::pair<DWORD, long long> *>(counter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == count.first) {
    ++count.second;
    EnumChildWindows(window, CountWindow, counter);
  }
  return TRUE;
}

long long WindowCount(DWORD processId) {
  std::pair<DWORD, long long> count{processId, 0};
  EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&count));
  return count.second;
}

// One entry of the system's handle list (SystemHandleInformation), as 32-bit Windows lays it out.
struct SystemHandle {
  ULONG ownerProcessId;
  BYTE objectType;
  BYTE flags;
  USHORT value;
  PVOID object;
  ULONG access;
};

// GetProcessHandleCount answers 0 under Wine; the system's list of every open handle is complete
// there as on Windows, so count the process's entries in it.
long long HandleCount(DWORD processId) {
  constexpr auto systemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
  constexpr NTSTATUS infoLengthMismatch = static_cast<NTSTATUS>(0xC0000004);
  std::vector<unsigned char> buffer(1 << 16);
  NTSTATUS status;
  while ((status = NtQuerySystemInformation(systemHandleInformation, buffer.data(),
                                            static_cast<ULONG>(buffer.size()), nullptr)) ==
         infoLengthMismatch)
    buffer.resize(buffer.size() * 2);
  if (status != 0)
    return -1;
  ULONG total = 0;
  std::memcpy(&total, buffer.data(), sizeof total);
  long long count = 0;
  for (ULONG i = 0; i < total; ++i) {
    SystemHandle entry;
    std::memcpy(&entry, buffer.data() + sizeof(ULONG) + i * sizeof entry, sizeof entry);
    if (entry.ownerProcessId == processId)
      ++count;
  }
  return count;
}

template <typename T> bool Read(HANDLE process, std::uint64_t address, T &value) {
  return address != 0 && address <= UINTPTR_MAX &&
         ReadProcessMemory(process, reinterpret_cast<const void *>(static_cast<uintptr_t>(address)), &value,
                           sizeof value, nullptr);
}

// Where the process's GDI handle table lies: PEB.GdiSharedHandleTable. Wine running 32-bit code
// in a 64-bit prefix fills only the 64-bit PEB's field, found through the 64-bit TEB whose address
// the 32-bit TEB keeps in GdiBatchCount.
std::uint64_t GdiTableAddress(HANDLE process, DWORD processId) {
  constexpr std::uint64_t teb32GdiBatchCount = 0xf70, teb64Peb = 0x60, peb64GdiTable = 0xf8,
                          peb32GdiTable = 0x94;
  const OwnedHandle snapshot = Own(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = snapshot && Thread32First(snapshot.get(), &entry); more;
       more = Thread32Next(snapshot.get(), &entry)) {
    if (entry.th32OwnerProcessID != processId)
      continue;
    const OwnedHandle thread = Own(OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID));
    struct {
      NTSTATUS exitStatus;
      PVOID teb;
      CLIENT_ID client;
      ULONG_PTR affinity;
      LONG priority, basePriority;
    } basic{};
    if (!thread || NtQueryInformationThread(thread.get(), static_cast<THREADINFOCLASS>(0), &basic,
                                            sizeof basic, nullptr) != 0)
      continue;
    std::uint32_t teb64 = 0;
    std::uint64_t peb64 = 0, table = 0;
    if (Read(process, reinterpret_cast<uintptr_t>(basic.teb) + teb32GdiBatchCount, teb64) && teb64 != 0 &&
        Read(process, teb64 + teb64Peb, peb64) && Read(process, peb64 + peb64GdiTable, table) && table != 0)
      return table;
    break;
  }
  PROCESS_BASIC_INFORMATION basic{};
  std::uint32_t table = 0;
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) == 0 &&
      Read(process, reinterpret_cast<uintptr_t>(basic.PebBaseAddress) + peb32GdiTable, table))
    return table;
  return 0;
}

// Wine leaves GetGuiResources unimplemented (it answers 0) but keeps each process's GDI handles in
// a table in the process, as Windows once did; an entry in use has a non-zero type. The entry
// layout is Wine's: object (8 bytes), owner (4), unique (2), type (1), flags (1), user pointer (8).
long long WineGdiObjects(HANDLE process, DWORD processId) {
  if (!GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version"))
    return -1;
  const std::uint64_t table = GdiTableAddress(process, processId);
  constexpr std::size_t entrySize = 24, typeOffset = 14, entryCount = 0x10000;
  std::vector<unsigned char> entries(entrySize * entryCount);
  if (table == 0 || table > UINTPTR_MAX ||
      !ReadProcessMemory(process, reinterpret_cast<const void *>(static_cast<uintptr_t>(table)),
                         entries.data(), entries.size(), nullptr))
    return -1;
  long long count = 0;
  for (std::size_t i = 0; i < entryCount; ++i)
    if (entries[i * entrySize + typeOffset] != 0)
      ++count;
  return count;
}

} // namespace

void DescribeProcess(JsonLine &line, DWORD processId) {
  const OwnedHandle process = Own(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
  BeginObject(line);
  if (!process) {
    Field(line, "error", std::string_view("cannot open the process"));
    EndObject(line);
    return;
  }
  DWORD handles = 0;
  if (!GetProcessHandleCount(process.get(), &handles) || handles == 0)
    handles = static_cast<DWORD>(HandleCount(processId));
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process.get(), reinterpret_cast<PROCESS_MEMORY_COUNTERS *>(&memory), sizeof memory);
  long long gdi = GetGuiResources(process.get(), GR_GDIOBJECTS);
  if (gdi == 0)
    gdi = WineGdiObjects(process.get(), processId);

  Field(line, "pid", static_cast<long long>(processId));
  Field(line, "handles", static_cast<long long>(static_cast<LONG>(handles)));
  Field(line, "gdi", gdi);
  Field(line, "user", static_cast<long long>(GetGuiResources(process.get(), GR_USEROBJECTS)));
  Field(line, "windows", WindowCount(processId));
  Field(line, "threads", ThreadCount(processId));
  Field(line, "workingSet", static_cast<long long>(memory.WorkingSetSize));
  Field(line, "pagefile", static_cast<long long>(memory.PagefileUsage));
  Field(line, "peakWorkingSet", static_cast<long long>(memory.PeakWorkingSetSize));
  EndObject(line);
}

namespace {

DWORD WINAPI DoNothing(LPVOID) { return 0; }

long long PagefileUsage() {
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  return static_cast<long long>(memory.PagefileUsage);
}

} // namespace

void MeasureThreadCost(JsonLine &line, int count) {
  const long long before = PagefileUsage();
  for (int i = 0; i < count; ++i) {
    const OwnedHandle thread = Own(CreateThread(nullptr, 0, DoNothing, nullptr, 0, nullptr));
    if (thread)
      WaitForSingleObject(thread.get(), INFINITE);
  }
  BeginObject(line);
  Field(line, "threads", static_cast<long long>(count));
  Field(line, "pagefileBefore", before);
  Field(line, "pagefileAfter", PagefileUsage());
  EndObject(line);
}
