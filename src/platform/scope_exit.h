#pragma once
// The one scope guard: runs an action when the scope ends, however it ends (a return or an error).
// The action must not throw.
#include <utility>

template <typename TAction>
class TScopeExit {
 public:
  explicit TScopeExit(TAction action) : FAction(std::move(action)) {}
  ~TScopeExit() { FAction(); }
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;

 private:
  TAction FAction;
};
