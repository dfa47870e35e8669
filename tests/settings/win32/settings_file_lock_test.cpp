// Two running copies share one settings file: every write (and the read it rests on) runs under a
// named mutex of that file, so no copy's rewrite of the file drops the keys of another.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/program_file.h"
#include "platform/win32/win32_handles.h"
#include "settings_temp_folder.h"

namespace {

// Starts the writer program on a file; an empty owner when it could not be started.
TKernelHandle StartWriter(const std::wstring& file, const std::wstring& prefix, int count) {
  const std::wstring program = ProgramFolder() + L"\\orvilla_settings_writer.exe";
  std::wstring commandLine = L"\"" + program + L"\" \"" + file + L"\" " + prefix + L" " + std::to_wstring(count);
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return TKernelHandle();
  CloseHandle(pi.hThread);
  return TKernelHandle(pi.hProcess);
}

TEST(SettingsFileLock, TwoProcessesWritingOneFileInALoopKeepEveryKey) {
  TTempFolder folder;
  const std::wstring file = folder.File(L"Orvilla.ini");
  constexpr int Count = 150;
  const wchar_t* prefixes[] = {L"First", L"Second"};
  std::vector<TKernelHandle> writers;
  for (const wchar_t* prefix : prefixes) writers.push_back(StartWriter(file, prefix, Count));
  for (TKernelHandle& writer : writers) {
    ASSERT_TRUE(writer);
    ASSERT_EQ(WaitForSingleObject(writer.Get(), 120000), WAIT_OBJECT_0);
    DWORD code = 99;
    GetExitCodeProcess(writer.Get(), &code);
    EXPECT_EQ(code, 0u);
  }
  int missing = 0;
  for (const wchar_t* prefix : prefixes)
    for (int i = 0; i < Count; ++i)
      if (static_cast<int>(GetPrivateProfileIntW(L"Main", (prefix + std::to_wstring(i)).c_str(), -1, file.c_str())) !=
          i)
        ++missing;
  EXPECT_EQ(missing, 0) << ReadBytes(file);
}

}  // namespace
