// What the built program carries, read back from its file the way Windows reads it:
//   res_exe_tests PATH-TO-clockmaze.exe
#include "platform/platform.h"
#include "tests/support/debug_print.h"

#include <gtest/gtest.h>

#include <winver.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

std::string exePath;
HMODULE exe = nullptr;

constexpr WORD kRussian = MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT);
constexpr WORD kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

std::string_view Resource(LPCSTR type, int id, WORD language) {
  HRSRC found = FindResourceExA(exe, type, MAKEINTRESOURCEA(id), language);
  if (found == nullptr)
    return {};
  return {static_cast<const char *>(LockResource(LoadResource(exe, found))), SizeofResource(exe, found)};
}

TEST(ProgramFile, EveryBitmapLoadsWithItsSize) {
  for (int id = 102; id <= 128; ++id) {
    SCOPED_TRACE(id);
    HBITMAP bitmap = LoadBitmapA(exe, MAKEINTRESOURCEA(id));
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    EXPECT_EQ(GetObjectA(bitmap, sizeof info, &info), int(sizeof info));
    DeleteObject(bitmap);
    EXPECT_EQ(info.bmWidth, id <= 111 ? 65 : id == 112 ? 44 : 32);
    EXPECT_EQ(info.bmHeight, id <= 112 ? 99 : 32);
  }
}

// Walks an extended dialog template field by field.
struct TemplateReader {
  std::string_view data;
  std::size_t at = 0;

  template <typename T> T Take() {
    T value{};
    if (at + sizeof(T) > data.size())
      throw std::out_of_range("template ends early");
    std::memcpy(&value, data.data() + at, sizeof(T));
    at += sizeof(T);
    return value;
  }
  // A string, or an ordinal written as 0xFFFF and a number (returned as u"#number").
  std::u16string TakeText() {
    WORD c = Take<WORD>();
    if (c == 0xFFFF)
      return {u'#', char16_t(Take<WORD>())};
    std::u16string text;
    for (; c != 0; c = Take<WORD>())
      text += char16_t(c);
    return text;
  }
  void AlignToDword() { at = (at + 3) & ~std::size_t(3); }
};

struct Control {
  DWORD helpId, exStyle, style;
  short x, y, cx, cy;
  DWORD id;
  std::u16string windowClass, text;
  WORD extraCount;
  bool operator==(const Control &) const = default;
};

TEST(ProgramFile, TheClockDialogTemplateIsLaidOutAsDesigned) {
  TemplateReader in{Resource(RT_DIALOG, 101, kRussian)};
  ASSERT_FALSE(in.data.empty());
  EXPECT_EQ(in.Take<WORD>(), 1) << "version";
  EXPECT_EQ(in.Take<WORD>(), 0xFFFF) << "extended template";
  EXPECT_EQ(in.Take<DWORD>(), 0u) << "help identifier";
  EXPECT_EQ(in.Take<DWORD>(), 0u) << "extended style";
  EXPECT_EQ(in.Take<DWORD>(),
            DWORD(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_CENTER | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS));
  const WORD controls = in.Take<WORD>();
  EXPECT_EQ(controls, 2);
  EXPECT_EQ(in.Take<short>(), 0);
  EXPECT_EQ(in.Take<short>(), 0);
  EXPECT_EQ(in.Take<short>(), 357);
  EXPECT_EQ(in.Take<short>(), 131);
  EXPECT_EQ(in.TakeText(), u"") << "menu";
  EXPECT_EQ(in.TakeText(), u"") << "class";
  EXPECT_EQ(in.TakeText(), u"Часы с игрой");
  EXPECT_EQ(in.Take<WORD>(), 8) << "points";
  EXPECT_EQ(in.Take<WORD>(), 400) << "weight";
  EXPECT_EQ(in.Take<BYTE>(), 0) << "italic";
  EXPECT_EQ(in.Take<BYTE>(), DEFAULT_CHARSET);
  EXPECT_EQ(in.TakeText(), u"MS Shell Dlg");

  const DWORD button = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  const std::vector<Control> expected{
      {0, 0, button | BS_DEFPUSHBUTTON, 49, 104, 50, 14, IDOK, u"#\x0080", u"Играть", 0},
      {0, 0, button | BS_PUSHBUTTON, 256, 104, 50, 14, IDCANCEL, u"#\x0080", u"Закрыть", 0},
  };
  std::vector<Control> read;
  for (WORD i = 0; i < controls; ++i) {
    in.AlignToDword();
    Control c{};
    c.helpId = in.Take<DWORD>();
    c.exStyle = in.Take<DWORD>();
    c.style = in.Take<DWORD>();
    c.x = in.Take<short>();
    c.y = in.Take<short>();
    c.cx = in.Take<short>();
    c.cy = in.Take<short>();
    c.id = in.Take<DWORD>();
    c.windowClass = in.TakeText();
    c.text = in.TakeText();
    c.extraCount = in.Take<WORD>();
    read.push_back(c);
  }
  EXPECT_TRUE(read == expected) << "the two buttons, in tab order, as designed";
  EXPECT_EQ(in.at, in.data.size()) << "nothing after the last control";
}

std::wstring VersionString(const std::vector<char> &block, const wchar_t *name) {
  void *value = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\041904b0\\") + name;
  if (!VerQueryValueW(block.data(), path.c_str(), &value, &length) || length == 0)
    return L"(missing)";
  return std::wstring(static_cast<const wchar_t *>(value), length - 1);
}

TEST(ProgramFile, TheVersionBlockNamesVersionOneInRussian) {
  const DWORD size = GetFileVersionInfoSizeA(exePath.c_str(), nullptr);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(exePath.c_str(), 0, size, block.data()));

  VS_FIXEDFILEINFO *fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void **>(&fixed), &length));
  ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0u);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0u);
  EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
  EXPECT_EQ(fixed->dwFileFlags, 0u);
  EXPECT_EQ(fixed->dwFileOS, 0x40004u);
  EXPECT_EQ(fixed->dwFileType, 1u);
  EXPECT_EQ(fixed->dwFileSubtype, 0u);
  EXPECT_EQ(fixed->dwFileDateMS, 0u);
  EXPECT_EQ(fixed->dwFileDateLS, 0u);

  EXPECT_EQ(VersionString(block, L"FileVersion"), L"1.0.0.0");
  EXPECT_EQ(VersionString(block, L"ProductVersion"), L"1.0.0.0");
  for (const wchar_t *name : {L"CompanyName", L"FileDescription", L"InternalName", L"LegalCopyright",
                              L"OriginalFilename", L"ProductName"}) {
    const std::wstring text = VersionString(block, name);
    EXPECT_TRUE(text != L"(missing)" && !text.empty()) << "no " << std::string(name, name + wcslen(name));
  }
  EXPECT_EQ(VersionString(block, L"ProductName"), L"Часы с игрой");
  EXPECT_EQ(VersionString(block, L"OriginalFilename"), L"clockmaze.exe");

  WORD *translation = nullptr;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                             reinterpret_cast<void **>(&translation), &length));
  ASSERT_EQ(length, 4u) << "one translation";
  EXPECT_EQ(translation[0], 0x0419);
  EXPECT_EQ(translation[1], 1200);
}

// The attributes of the first element `<name ...>` in the text, as one string.
std::string_view Element(std::string_view text, std::string_view name) {
  const std::size_t start = text.find("<" + std::string(name) + " ");
  if (start == std::string_view::npos)
    return {};
  return text.substr(start, text.find('>', start) - start);
}

TEST(ProgramFile, TheManifestRunsAsInvokerWithCommonControlsSix) {
  const std::string_view manifest = Resource(RT_MANIFEST, 1, kEnglishUs);
  ASSERT_FALSE(manifest.empty());
  EXPECT_NE(Element(manifest, "assembly").find(R"(manifestVersion="1.0")"), std::string_view::npos);

  const std::string_view level = Element(manifest, "requestedExecutionLevel");
  EXPECT_NE(level.find(R"(level="asInvoker")"), std::string_view::npos) << level;
  EXPECT_NE(level.find(R"(uiAccess="false")"), std::string_view::npos) << level;

  const std::string_view dependency =
      manifest.substr(std::min(manifest.size(), manifest.find("<dependentAssembly>")));
  const std::string_view identity = Element(dependency, "assemblyIdentity");
  for (const char *attribute :
       {R"(type="win32")", R"(name="Microsoft.Windows.Common-Controls")", R"(version="6.0.0.0")",
        R"(processorArchitecture="*")", R"(publicKeyToken="6595b64144ccf1df")", R"(language="*")"})
    EXPECT_NE(identity.find(attribute), std::string_view::npos) << attribute << " in " << identity;
}

TEST(ProgramFile, TheIconGroupListsSixUncompressedImages) {
  const std::string_view group = Resource(RT_GROUP_ICON, 129, kRussian);
  ASSERT_GE(group.size(), 6u + 6 * 14);
  WORD header[3];
  std::memcpy(header, group.data(), sizeof header);
  EXPECT_EQ(header[1], 1) << "icon";
  ASSERT_EQ(header[2], 6);
  const int sizes[] = {16, 32, 48, 64, 128, 256};
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(sizes[i]);
    const char *entry = group.data() + 6 + 14 * i; // GRPICONDIRENTRY
    WORD bitCount, id;
    std::memcpy(&bitCount, entry + 6, 2);
    std::memcpy(&id, entry + 12, 2);
    EXPECT_EQ(BYTE(entry[0]), sizes[i] & 0xFF);
    EXPECT_EQ(bitCount, 32);
    EXPECT_EQ(id, i + 1);
    const std::string_view image = Resource(RT_ICON, id, kRussian);
    ASSERT_GE(image.size(), 40u);
    DWORD headerSize;
    LONG width;
    std::memcpy(&headerSize, image.data(), 4);
    std::memcpy(&width, image.data() + 4, 4);
    EXPECT_EQ(headerSize, 40u) << "a bitmap, not PNG";
    EXPECT_EQ(width, sizes[i]);
  }
}

using Entry = std::tuple<ULONG_PTR, ULONG_PTR, WORD>; // type, name, language

BOOL CALLBACK AddLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR into) {
  reinterpret_cast<std::set<Entry> *>(into)->insert(
      {reinterpret_cast<ULONG_PTR>(type), reinterpret_cast<ULONG_PTR>(name), language});
  return TRUE;
}

BOOL CALLBACK AddName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR into) {
  EXPECT_TRUE(IS_INTRESOURCE(name)) << "named resource " << name;
  return EnumResourceLanguagesA(module, type, name, AddLanguage, into);
}

BOOL CALLBACK AddType(HMODULE module, LPSTR type, LONG_PTR into) {
  EXPECT_TRUE(IS_INTRESOURCE(type)) << "named type " << type;
  return EnumResourceNamesA(module, type, AddName, into);
}

// Every resource, each in exactly one language: Russian, and the manifest English (United States).
TEST(ProgramFile, HoldsExactlyItsResourcesInTheirLanguages) {
  std::set<Entry> found;
  EnumResourceTypesA(exe, AddType, reinterpret_cast<LONG_PTR>(&found));
  const auto id = [](LPCSTR type) { return reinterpret_cast<ULONG_PTR>(type); };
  std::set<Entry> expected{{id(RT_DIALOG), 101, kRussian},
                           {id(RT_GROUP_ICON), 129, kRussian},
                           {id(RT_VERSION), 1, kRussian},
                           {id(RT_MANIFEST), 1, kEnglishUs}};
  for (ULONG_PTR bitmap = 102; bitmap <= 128; ++bitmap)
    expected.insert({id(RT_BITMAP), bitmap, kRussian});
  for (ULONG_PTR icon = 1; icon <= 6; ++icon)
    expected.insert({id(RT_ICON), icon, kRussian});
  EXPECT_EQ(found, expected);
}

} // namespace

int main(int argc, char **argv) {
  IgnoreDebugPrintExceptions();
  ::testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: res_exe_tests PATH-TO-clockmaze.exe\n");
    return 2;
  }
  exePath = argv[1];
  exe = LoadLibraryExA(exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (exe == nullptr) {
    std::fprintf(stderr, "cannot open %s (error %lu)\n", exePath.c_str(), GetLastError());
    return 1;
  }
  const int result = RUN_ALL_TESTS();
  FreeLibrary(exe);
  return result;
}
