// The program file as shipped: a 32-bit Windows GUI executable with its sections page-aligned in
// the file, that imports only system DLLs (and none of shell32, ole32 and comctl32), with its
// manifest, version resource and icon.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cwctype>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "shipped_program.h"

namespace {

// The 32-bit program as built for shipping, also when these tests run from the 64-bit build.
std::wstring OrvillaExe() { return ORVILLA_SHIPPED_PROGRAM; }

std::vector<unsigned char> ReadFileBytes(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  return std::vector<unsigned char>((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// The file offset of a relative virtual address, through the section table.
size_t RvaToOffset(const IMAGE_NT_HEADERS32* nt, DWORD rva) {
  const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
  for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section)
    if (rva >= section->VirtualAddress && rva < section->VirtualAddress + section->Misc.VirtualSize)
      return rva - section->VirtualAddress + section->PointerToRawData;
  return 0;
}

struct TLoadedAsData {
  explicit TLoadedAsData(const std::wstring& path)
      : module(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
  ~TLoadedAsData() {
    if (module) FreeLibrary(module);
  }
  HMODULE module;
};

}  // namespace

TEST(ProgramFile, Is32BitGuiAndImportsOnlySystemDlls) {
  const std::vector<unsigned char> bytes = ReadFileBytes(OrvillaExe());
  ASSERT_GT(bytes.size(), sizeof(IMAGE_DOS_HEADER))
      << "no program file at " << std::string(OrvillaExe().begin(), OrvillaExe().end())
      << " (the 32-bit build makes it: cmake --build --preset windows)";
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
  ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(bytes.data() + dos->e_lfanew);
  ASSERT_EQ(nt->Signature, IMAGE_NT_SIGNATURE);
  EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_I386);
  EXPECT_EQ(nt->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR32_MAGIC);
  EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
  // Sections at whole pages in the file as in memory: Wine maps such a program instead of reading
  // it whole, so the resources it does not use (the word lists) take no memory.
  EXPECT_EQ(nt->OptionalHeader.FileAlignment, 4096u);
  EXPECT_EQ(nt->OptionalHeader.SectionAlignment, 4096u);

  const std::set<std::wstring> system{L"advapi32.dll", L"gdi32.dll",  L"kernel32.dll", L"msvcrt.dll",   L"ole32.dll",
                                      L"shell32.dll",  L"user32.dll", L"version.dll",  L"comctl32.dll", L"ntdll.dll"};
  const DWORD importRva = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
  size_t offset = RvaToOffset(nt, importRva);
  ASSERT_NE(offset, 0u);
  int count = 0;
  std::set<std::wstring> imported;
  for (auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(bytes.data() + offset); entry->Name;
       ++entry, ++count) {
    const char* name = reinterpret_cast<const char*>(bytes.data() + RvaToOffset(nt, entry->Name));
    std::wstring dll(name, name + strlen(name));
    std::transform(dll.begin(), dll.end(), dll.begin(), [](wchar_t c) { return std::towlower(c); });
    EXPECT_TRUE(system.count(dll)) << "imports " << name;
    imported.insert(dll);
  }
  EXPECT_GE(count, 4);
  // Memory at start: an import maps the library from the first instruction. shell32 brings
  // shlwapi, ole32, combase, rpcrt4 and shcore along (about 2 MiB under Wine), comctl32 loads
  // pictures and allocates as it starts (about 3 MiB). The shell functions the program needs are
  // loaded only when they are called, the common controls when the settings dialog is made.
  // Nor is version.dll: the program reads its own version resource. (Wine's own user32 loads it
  // all the same; Windows' does not.)
  for (const wchar_t* heavy : {L"shell32.dll", L"ole32.dll", L"comctl32.dll", L"version.dll"})
    EXPECT_EQ(imported.count(heavy), 0u) << "imports " << std::string(heavy, heavy + wcslen(heavy));
}

TEST(ProgramFile, ManifestDeclaresDpiAwarenessControlsPrivilegesAndSystems) {
  TLoadedAsData exe(OrvillaExe());
  ASSERT_NE(exe.module, nullptr);
  HRSRC found = FindResourceW(exe.module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24) /* RT_MANIFEST */);
  ASSERT_NE(found, nullptr);
  const char* data = static_cast<const char*>(LockResource(LoadResource(exe.module, found)));
  const std::string manifest(data, SizeofResource(exe.module, found));
  const std::wstring version = ORVILLA_PROJECT_VERSION;
  const std::string identity =
      "name=\"Lunavar.Orvilla\" version=\"" + std::string(version.begin(), version.end()) + ".0\"";
  EXPECT_NE(manifest.find(identity), std::string::npos) << identity;
  for (const char* needed : {
           "PerMonitorV2", "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
           "level=\"asInvoker\" uiAccess=\"false\"",
           "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
           "{e2011457-1546-43c5-a5fe-008deee3d3f0}",  // Windows Vista
           "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10
       })
    EXPECT_NE(manifest.find(needed), std::string::npos) << needed;
}

TEST(ProgramFile, IconHasTheFourSizes) {
  TLoadedAsData exe(OrvillaExe());
  ASSERT_NE(exe.module, nullptr);
  HRSRC found = FindResourceW(exe.module, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
  ASSERT_NE(found, nullptr);
  const auto* dir = static_cast<const unsigned char*>(LockResource(LoadResource(exe.module, found)));
  // GRPICONDIR: reserved, type, count, then 14-byte entries starting with width and height.
  const WORD count = *reinterpret_cast<const WORD*>(dir + 4);
  std::set<int> sizes;
  for (WORD i = 0; i < count; ++i) {
    const unsigned char* entry = dir + 6 + 14 * i;
    EXPECT_EQ(entry[0], entry[1]);
    sizes.insert(entry[0]);
  }
  EXPECT_EQ(sizes, (std::set<int>{16, 24, 32, 48}));
}
