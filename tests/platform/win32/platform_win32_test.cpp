#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <fstream>
#include <string>
#include <vector>

#include "input/win32/tablet_service.h"
#include "platform/command_line.h"
#include "platform/command_line_cases.h"
#include "platform/debug_log.h"
#include "platform/text_helpers.h"
#include "platform/version_text.h"
#include "platform/win32/program_file.h"
#include "platform/win32/startup_environment.h"
#include "platform/win32/win32_handles.h"
#include "shipped_program.h"

namespace {

std::wstring OrvillaExe() { return PathCombine(ProgramFolder(), L"Orvilla.exe"); }

struct TestWindow {
  TestWindow() {
    handle = CreateWindowExW(0, L"STATIC", L"pen property", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  }
  ~TestWindow() { DestroyWindow(handle); }
  HWND handle;
};

// The arguments after the program name as the shell splits the command line.
std::vector<std::wstring> ShellArguments(const std::wstring& line) {
  int count = 0;
  const TLocalMemory<LPWSTR*> argv(CommandLineToArgvW(line.c_str(), &count));
  if (!argv) return {L"(CommandLineToArgvW failed)"};
  return std::vector<std::wstring>(argv.Get() + (count > 0 ? 1 : 0), argv.Get() + count);
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// A value of a file's version resource as the system's version library reads it.
std::wstring SystemVersionValue(const std::wstring& fileName, const std::wstring& valueName) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(fileName.c_str(), &handle);
  if (size == 0) return L"(no version resource)";
  std::vector<BYTE> buffer(size, 0);
  if (!GetFileVersionInfoW(fileName.c_str(), 0, size, buffer.data())) return L"(unreadable)";
  const std::wstring query = L"\\StringFileInfo\\040904E4\\" + valueName;
  LPVOID value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(buffer.data(), query.c_str(), &value, &length) || !value || length == 0) return {};
  return std::wstring(static_cast<const wchar_t*>(value));
}

}  // namespace

TEST(PlatformWin32, CommandLineIsSplitAsTheShellSplitsIt) {
  for (const TCommandLineCase& c : CommandLineCases()) {
    const std::vector<std::wstring> shell = ShellArguments(c.Line);
    EXPECT_EQ(shell, c.Args) << "CommandLineToArgvW, " << Narrow(c.Line);
    EXPECT_EQ(SplitCommandLine(c.Line), shell) << Narrow(c.Line);
  }
  EXPECT_EQ(CommandLineArgs(), ShellArguments(GetCommandLineW()));
}

TEST(PlatformWin32, VersionResourceOfTheProgram) {
  // The program beside the tests carries the project version of this build, and "About Orvilla"
  // shows it in full: the release files and the package manifests are named after it.
  const TModuleHandle exe(LoadLibraryExW(OrvillaExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  ASSERT_TRUE(exe);
  const std::wstring version = ORVILLA_PROJECT_VERSION;
  const std::wstring fileVersion = ModuleVersionValue(exe.Get(), L"FileVersion");
  const std::wstring productVersion = ModuleVersionValue(exe.Get(), L"ProductVersion");
  EXPECT_EQ(fileVersion, version + L".0");
  EXPECT_EQ(productVersion, version);
  EXPECT_EQ(VersionTextFrom(fileVersion, productVersion), version);
  // The program's own reader answers as the system's version library does, value by value.
  for (const wchar_t* name : {L"CompanyName", L"FileDescription", L"FileVersion", L"InternalName", L"LegalCopyright",
                              L"OriginalFilename", L"ProductName", L"ProductVersion", L"NoSuchValue"})
    EXPECT_EQ(ModuleVersionValue(exe.Get(), name), SystemVersionValue(OrvillaExe(), name)) << Narrow(name);
  EXPECT_EQ(ModuleVersionValue(exe.Get(), L"NoSuchValue"), L"");
  // The test program has no version resource.
  EXPECT_EQ(ModuleVersionValue(nullptr, L"FileVersion"), L"");
}

TEST(PlatformWin32, VersionFlagsAgreeWithEachOther) {
  InitStartupEnvironment();
  EXPECT_NE(User32Handle, nullptr);
  EXPECT_TRUE(IsWin7OrLater);  // every Windows the program supports touch on, and Wine
  EXPECT_TRUE(!IsWin10OrLater || IsWin8OrLater);
  EXPECT_TRUE(!IsWin8OrLater || IsWin7OrLater);
  EXPECT_TRUE(VersionAtLeast(6, 1, 6, 1));
  EXPECT_TRUE(VersionAtLeast(10, 0, 6, 2));
  EXPECT_FALSE(VersionAtLeast(6, 0, 6, 1));
  EXPECT_FALSE(VersionAtLeast(5, 9, 6, 1));
}

TEST(PlatformWin32, PenServicePropertyIsSetOnTheWindow) {
  TestWindow window;
  SetTabletPenServiceProperty(window.handle);
  EXPECT_EQ(reinterpret_cast<ULONG_PTR>(GetPropW(window.handle, L"MicrosoftTabletPenServiceProperty")), 0x01010019u);
}

TEST(PlatformWin32, NoMultiTouchDigitizerUnderTheTestDisplay) {
  EXPECT_EQ(HasMultiTouchDigitizer(), (GetSystemMetrics(SM_DIGITIZER) & 0x40) != 0);
  EXPECT_FALSE(HasMultiTouchDigitizer());
}

TEST(PlatformWin32, LogWritesEveryLineBesideTheProgramOnlyInDebugMode) {
  const std::wstring path = PathCombine(ProgramFolder(), L"Log.txt");
  DeleteFileW(path.c_str());
  DebugMode = false;
  LogLines.clear();
  Log(L"MainForm");
  EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);

  DebugMode = true;
  Log(L"MainForm");
  Log(L"second");
  DebugMode = false;
  std::ifstream file(path.c_str(), std::ios::binary);
  ASSERT_TRUE(file.good());
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  file.close();
  DeleteFileW(path.c_str());
  ASSERT_GE(bytes.size(), 2u);
  const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
  ASSERT_EQ(LogLines.size(), 2u);
  EXPECT_EQ(text, LogLines[0] + L"\r\n" + LogLines[1] + L"\r\n");
  EXPECT_NE(LogLines[0].find(L" : MainForm"), std::wstring::npos);
  LogLines.clear();
}

TEST(LvLibWin32, LogThatCannotBeWrittenIsSkippedAndCatchesUpLater) {
  // A folder in the file's place makes it unwritable, as a copy without write rights does.
  const std::wstring path = PathCombine(ProgramFolder(), L"Log.txt");
  DeleteFileW(path.c_str());
  ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
  LogLines.clear();
  DebugMode = true;
  EXPECT_NO_THROW(Log(L"MainForm"));
  RemoveDirectoryW(path.c_str());
  Log(L"second");
  DebugMode = false;
  std::ifstream file(path.c_str(), std::ios::binary);
  ASSERT_TRUE(file.good());
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  file.close();
  DeleteFileW(path.c_str());
  ASSERT_EQ(LogLines.size(), 2u);
  ASSERT_GE(bytes.size(), 2u);
  const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
  EXPECT_EQ(text, LogLines[0] + L"\r\n" + LogLines[1] + L"\r\n");
  LogLines.clear();
}
