#include "platform/win32/lv_lib.h"

#include <shellapi.h>

#include <memory>

#include "platform/busy_cursor.h"
#include "platform/command_line.h"
#include "platform/debug_log.h"
#include "platform/screen_scale.h"
#include "platform/text_helpers.h"
#include "platform/version_text.h"
#include "platform/work_area.h"

HMODULE User32Handle = nullptr;
bool IsWin7OrLater = false;
bool IsWin8OrLater = false;
bool IsWin10OrLater = false;
DWORD WindowsBuildNumber = 0;

namespace {

struct LocalFreeDeleter {
  void operator()(LPWSTR* p) const { LocalFree(p); }
};

// GetVersionEx answers according to the manifest; the kernel's own version call does not.
void ReadWindowsVersion(DWORD& major, DWORD& minor, DWORD& build) {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  auto rtlGetVersion =
      ntdll ? reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
            : nullptr;
  if (!rtlGetVersion || rtlGetVersion(&info) != 0) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&info);
#pragma GCC diagnostic pop
  }
  major = info.dwMajorVersion;
  minor = info.dwMinorVersion;
  build = info.dwBuildNumber;
}

class TWin32BusyCursor : public TBusyCursorDisplay {
 public:
  void ShowWaitCursor() override { SetCursor(LoadCursorW(nullptr, IDC_WAIT)); }
  void ShowDefaultCursor() override { SetCursor(LoadCursorW(nullptr, IDC_ARROW)); }
};

}  // namespace

bool VersionAtLeast(DWORD major, DWORD minor, DWORD wantMajor, DWORD wantMinor) {
  return major > wantMajor || (major == wantMajor && minor >= wantMinor);
}

std::vector<std::wstring> CommandLineArgs() {
  std::vector<std::wstring> args;
  int count = 0;
  std::unique_ptr<LPWSTR, LocalFreeDeleter> argv(CommandLineToArgvW(GetCommandLineW(), &count));
  if (!argv) return args;
  for (int i = 1; i < count; ++i) args.emplace_back(argv.get()[i]);
  return args;
}

void InitLvLib() {
  DebugMode = HasCommandLineSwitch(CommandLineArgs(), L"DEBUG");
  LogLines.clear();
  BusyCount = 0;
  const UINT oldMode = SetErrorMode(SEM_NOOPENFILEERRORBOX);
  User32Handle = LoadLibraryW(L"user32.dll");
  SetErrorMode(oldMode);
  DWORD major = 0, minor = 0;
  ReadWindowsVersion(major, minor, WindowsBuildNumber);
  IsWin7OrLater = VersionAtLeast(major, minor, 6, 1);
  IsWin8OrLater = VersionAtLeast(major, minor, 6, 2);
  IsWin10OrLater = VersionAtLeast(major, minor, 10, 0);
}

std::wstring ProgramFileName() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring ProgramFolder() {
  const std::wstring file = ProgramFileName();
  const auto slash = file.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : file.substr(0, slash);
}

std::wstring GetVersionValue(const std::wstring& fileName, const std::wstring& valueName) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(fileName.c_str(), &handle);
  if (size == 0) return {};
  std::vector<BYTE> buffer(size, 0);  // freed on every path by the vector
  if (!GetFileVersionInfoW(fileName.c_str(), 0, size, buffer.data())) return {};
  const std::wstring query = L"\\StringFileInfo\\040904E4\\" + valueName;
  LPVOID value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(buffer.data(), query.c_str(), &value, &length) || !value || length == 0) return {};
  return std::wstring(static_cast<const wchar_t*>(value));
}

std::wstring GetAppVersion() {
  const std::wstring file = ProgramFileName();
  return VersionTextFrom(GetVersionValue(file, L"FileVersion"), GetVersionValue(file, L"ProductVersion"));
}

void SetTabletPenServiceProperty(HWND window) {
  static constexpr wchar_t kProperty[] = L"MicrosoftTabletPenServiceProperty";
  const ATOM atom = GlobalAddAtomW(kProperty);
  SetPropW(window, kProperty, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(0x01010019)));
  if (atom) GlobalDeleteAtom(atom);
}

bool HasMultiTouchDigitizer() { return (GetSystemMetrics(SM_DIGITIZER) & 0x40) != 0; }

int ScreenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  const int ppi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return ppi > 0 ? ppi : 96;
}

double ScreenScale() { return ScreenScale(ScreenPixelsPerInch()); }

int DpiUnscale(int size) { return DpiUnscale(size, ScreenPixelsPerInch()); }

void KeepOnWorkArea(HWND window) {
  if (IsIconic(window) || IsZoomed(window)) return;
  RECT r{};
  GetWindowRect(window, &r);
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &mi)) return;
  const TRect moved = KeepRectOnWorkArea({r.left, r.top, r.right, r.bottom},
                                         {mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom});
  if (moved.Left != r.left || moved.Top != r.top)
    SetWindowPos(window, nullptr, moved.Left, moved.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void InstallBusyCursorDisplay() {
  static TWin32BusyCursor display;
  SetBusyCursorDisplay(&display);
}

void Log(const std::wstring& message) {
  if (!DebugMode) return;
  SYSTEMTIME now{};
  GetLocalTime(&now);
  wchar_t date[128] = L"", time[128] = L"";
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, 128);
  GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &now, nullptr, time, 128);
  LogLines.push_back(FormatLogLine(std::wstring(date) + L" " + time, message));

  // UTF-16 with a byte-order mark, so that any language's text survives. The log is only an
  // aid: where the file cannot be written (a copy in a folder without write rights) it is
  // skipped, and the lines kept in memory reach the file at the next write that succeeds.
  const std::wstring text = LogFileText(LogLines);
  const std::wstring path = PathCombine(ProgramFolder(), L"Log.txt");
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  std::unique_ptr<void, decltype(&CloseHandle)> closer(file, &CloseHandle);
  const wchar_t bom = 0xFEFF;
  DWORD written = 0;
  if (WriteFile(file, &bom, sizeof(bom), &written, nullptr))
    WriteFile(file, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &written, nullptr);
}
