#include "input/win32/tablet_service.h"

#include "platform/win32/win32_handles.h"

bool TabletServiceStopped = false;

namespace {

constexpr wchar_t TabletServiceName[] = L"TabletInputService";

// The service, opened with access, and the manager it was opened through (closed in reverse
// order). The service handle is empty when either could not be opened.
struct TOpenedService {
  TServiceHandle Manager;
  TServiceHandle Service;
};

TOpenedService OpenTabletService(DWORD access) {
  TOpenedService s;
  s.Manager.Reset(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
  if (s.Manager) s.Service.Reset(OpenServiceW(s.Manager.Get(), TabletServiceName, access));
  return s;
}

}  // namespace

void StopTabletService() {
  const TOpenedService s = OpenTabletService(SERVICE_STOP | SERVICE_QUERY_STATUS);
  if (!s.Service) return;
  SERVICE_STATUS status{};
  if (!QueryServiceStatus(s.Service.Get(), &status) || status.dwCurrentState != SERVICE_RUNNING) return;
  ControlService(s.Service.Get(), SERVICE_CONTROL_STOP, &status);
  TabletServiceStopped = true;
}

void StartTabletService() {
  const TOpenedService s = OpenTabletService(SERVICE_START | SERVICE_QUERY_STATUS);
  if (s.Service) StartServiceW(s.Service.Get(), 0, nullptr);
}

void SetTabletPenServiceProperty(HWND window) {
  static constexpr wchar_t Property[] = L"MicrosoftTabletPenServiceProperty";
  const ATOM atom = GlobalAddAtomW(Property);
  SetPropW(window, Property, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(0x01010019)));
  if (atom) GlobalDeleteAtom(atom);
}

bool HasMultiTouchDigitizer() { return (GetSystemMetrics(SM_DIGITIZER) & 0x40) != 0; }
