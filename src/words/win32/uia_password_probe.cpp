#include "words/win32/uia_password_probe.h"

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "platform/win32/system_library.h"

namespace {

// CUIAutomation, and the start of IUIAutomation and IUIAutomationElement up to the methods used
// here, in their order in the interfaces (mingw-w64's headers do not declare them).
const CLSID ClsidCUIAutomation = {0xff48dba4, 0x60ef, 0x4201, {0xaa, 0x87, 0x54, 0x10, 0x3e, 0xef, 0x59, 0x4e}};
const IID IidIUIAutomation = {0x30cbe57d, 0xd9d0, 0x452a, {0xab, 0x13, 0x7a, 0xc5, 0xac, 0x48, 0x25, 0xee}};
constexpr long UiaIsPasswordPropertyId = 30019;

struct IUiaElement : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SetFocus() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetRuntimeId(SAFEARRAY** runtimeId) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindFirst(int scope, IUnknown* condition, IUiaElement** found) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindAll(int scope, IUnknown* condition, IUnknown** found) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindFirstBuildCache(int scope, IUnknown* condition, IUnknown* cacheRequest,
                                                        IUiaElement** found) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindAllBuildCache(int scope, IUnknown* condition, IUnknown* cacheRequest,
                                                      IUnknown** found) = 0;
  virtual HRESULT STDMETHODCALLTYPE BuildUpdatedCache(IUnknown* cacheRequest, IUiaElement** updated) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentPropertyValue(long propertyId, VARIANT* value) = 0;
};

struct IUiaAutomation : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE CompareElements(IUiaElement* a, IUiaElement* b, BOOL* same) = 0;
  virtual HRESULT STDMETHODCALLTYPE CompareRuntimeIds(SAFEARRAY* a, SAFEARRAY* b, BOOL* same) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetRootElement(IUiaElement** root) = 0;
  virtual HRESULT STDMETHODCALLTYPE ElementFromHandle(HWND window, IUiaElement** element) = 0;
  virtual HRESULT STDMETHODCALLTYPE ElementFromPoint(POINT point, IUiaElement** element) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetFocusedElement(IUiaElement** element) = 0;
};

// Releases a COM interface when it goes.
template <typename T>
class TComPtr {
 public:
  TComPtr() = default;
  TComPtr(const TComPtr&) = delete;
  TComPtr& operator=(const TComPtr&) = delete;
  ~TComPtr() {
    if (FPointer) FPointer->Release();
  }
  T** Out() { return &FPointer; }
  T* Get() const { return FPointer; }
  T* operator->() const { return FPointer; }
  explicit operator bool() const { return FPointer != nullptr; }

 private:
  T* FPointer = nullptr;
};

using TAnswer = TUiaPasswordProbe::TAnswer;

// COM and VARIANT functions: the program imports neither ole32 nor oleaut32, they are loaded
// with the first question.
struct TComLibrary {
  TModuleHandle Ole = LoadSystemLibrary(L"ole32.dll");
  TModuleHandle OleAut = LoadSystemLibrary(L"oleaut32.dll");
  decltype(&CoInitializeEx) Initialize = ModuleFunction<decltype(&CoInitializeEx)>(Ole, "CoInitializeEx");
  decltype(&CoUninitialize) Uninitialize = ModuleFunction<decltype(&CoUninitialize)>(Ole, "CoUninitialize");
  decltype(&CoCreateInstance) CreateInstance = ModuleFunction<decltype(&CoCreateInstance)>(Ole, "CoCreateInstance");
  decltype(&VariantClear) ClearVariant = ModuleFunction<decltype(&VariantClear)>(OleAut, "VariantClear");
  bool Loaded() const { return Initialize && Uninitialize && CreateInstance && ClearVariant; }
};

TAnswer AskFocusedElement(const TComLibrary& com, IUiaAutomation& automation) {
  TComPtr<IUiaElement> element;
  const HRESULT found = automation.GetFocusedElement(element.Out());
  if (FAILED(found) || !element.Get()) return TAnswer::NoAnswer;
  VARIANT value{};
  value.vt = VT_EMPTY;
  if (FAILED(element->GetCurrentPropertyValue(UiaIsPasswordPropertyId, &value))) return TAnswer::NoAnswer;
  const bool password = value.vt == VT_BOOL && value.boolVal != VARIANT_FALSE;
  com.ClearVariant(&value);
  return password ? TAnswer::Password : TAnswer::NoPassword;
}

}  // namespace

struct TUiaPasswordProbe::TState {
  std::mutex Mutex;
  std::condition_variable Changed;
  bool Started = false;
  bool Made = false;       // the thread has tried to make the object
  bool Available = false;  // and it was made
  bool Stop = false;
  unsigned Asked = 0;     // questions asked so far
  unsigned Answered = 0;  // the last question answered
  TAnswer Answer = TAnswer::NoAnswer;

  static void Run(std::shared_ptr<TState> state) {
    const TComLibrary com;
    const HRESULT initialized = com.Loaded() ? com.Initialize(nullptr, COINIT_MULTITHREADED) : E_FAIL;
    {
      TComPtr<IUiaAutomation> automation;
      const HRESULT created = SUCCEEDED(initialized)
                                  ? com.CreateInstance(ClsidCUIAutomation, nullptr, CLSCTX_INPROC_SERVER,
                                                       IidIUIAutomation, reinterpret_cast<void**>(automation.Out()))
                                  : initialized;
      const bool made = SUCCEEDED(created) && automation.Get();
      std::unique_lock<std::mutex> lock(state->Mutex);
      state->Made = true;
      state->Available = made;
      state->Changed.notify_all();
      while (made) {
        state->Changed.wait(lock, [&] { return state->Stop || state->Asked != state->Answered; });
        if (state->Stop) break;
        const unsigned question = state->Asked;
        lock.unlock();
        const TAnswer answer = AskFocusedElement(com, *automation.Get());
        lock.lock();
        state->Answer = answer;
        state->Answered = question;
        state->Changed.notify_all();
      }
    }
    if (SUCCEEDED(initialized)) com.Uninitialize();
  }
};

TUiaPasswordProbe::TUiaPasswordProbe() : FState(std::make_shared<TState>()) {}

TUiaPasswordProbe::~TUiaPasswordProbe() {
  std::lock_guard<std::mutex> lock(FState->Mutex);
  FState->Stop = true;
  FState->Changed.notify_all();
}

bool TUiaPasswordProbe::Started() const {
  std::lock_guard<std::mutex> lock(FState->Mutex);
  return FState->Started;
}

void TUiaPasswordProbe::Prepare() {
  std::lock_guard<std::mutex> lock(FState->Mutex);
  StartLocked();
}

void TUiaPasswordProbe::StartLocked() {
  if (FState->Started) return;
  FState->Started = true;
  std::thread(&TState::Run, FState).detach();
}

TUiaPasswordProbe::TAnswer TUiaPasswordProbe::FocusedElement() {
  TState& s = *FState;
  std::unique_lock<std::mutex> lock(s.Mutex);
  StartLocked();
  if (!s.Changed.wait_for(lock, std::chrono::milliseconds(StartTimeout), [&] { return s.Made; }))
    return TAnswer::NoAnswer;
  if (!s.Available) return TAnswer::Unavailable;
  const unsigned question = ++s.Asked;
  if (!s.Changed.wait_for(lock, std::chrono::milliseconds(AnswerTimeout),
                          [&] { return s.Answered == question || s.Stop; }))
    return TAnswer::NoAnswer;
  return s.Answered == question ? s.Answer : TAnswer::NoAnswer;
}
