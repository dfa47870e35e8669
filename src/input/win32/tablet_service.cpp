#include "input/win32/tablet_service.h"

#include <windows.h>

#include <memory>
#include <type_traits>

bool TabletServiceStopped = false;

namespace {

constexpr wchar_t TabletServiceName[] = L"TabletInputService";

struct TServiceHandleCloser {
  void operator()(SC_HANDLE handle) const { CloseServiceHandle(handle); }
};
using TServiceHandle = std::unique_ptr<std::remove_pointer_t<SC_HANDLE>, TServiceHandleCloser>;

// The service, opened with access, and the manager it was opened through (closed in reverse
// order). The service handle is empty when either could not be opened.
struct TOpenedService {
  TServiceHandle Manager;
  TServiceHandle Service;
};

TOpenedService OpenTabletService(DWORD access) {
  TOpenedService s;
  s.Manager.reset(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
  if (s.Manager) s.Service.reset(OpenServiceW(s.Manager.get(), TabletServiceName, access));
  return s;
}

}  // namespace

void StopTabletService() {
  const TOpenedService s = OpenTabletService(SERVICE_STOP | SERVICE_QUERY_STATUS);
  if (!s.Service) return;
  SERVICE_STATUS status{};
  if (!QueryServiceStatus(s.Service.get(), &status) || status.dwCurrentState != SERVICE_RUNNING) return;
  ControlService(s.Service.get(), SERVICE_CONTROL_STOP, &status);
  TabletServiceStopped = true;
}

void StartTabletService() {
  const TOpenedService s = OpenTabletService(SERVICE_START | SERVICE_QUERY_STATUS);
  if (s.Service) StartServiceW(s.Service.get(), 0, nullptr);
}
