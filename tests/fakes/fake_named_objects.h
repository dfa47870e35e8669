#pragma once
// Named kernel objects for tests: a set of names that exist, shared by every handle of the fake,
// so that "another process" can hold a name. Records each create and each wait.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "keyboard/lang_chars_fill_lock.h"

class TFakeNamedObjects : public TNamedObjects {
 public:
  // Open handles per name; a name exists while its count is above 0.
  std::map<std::wstring, int> OpenHandles;
  // Every CreateNamedMutex call's name, and every wait in milliseconds.
  std::vector<std::wstring> Creates;
  std::vector<unsigned> Sleeps;
  // When set, CreateNamedMutex fails outright (returns none).
  bool FailCreate = false;
  // Called after each recorded wait, with the number of waits so far.
  std::function<void(int)> OnSleep;

  bool Exists(const std::wstring& name) const {
    const auto it = OpenHandles.find(name);
    return it != OpenHandles.end() && it->second > 0;
  }

  std::unique_ptr<TNamedObjectHandle> CreateNamedMutex(const std::wstring& name, bool& alreadyExisted) override {
    Creates.push_back(name);
    if (FailCreate) {
      alreadyExisted = false;
      return nullptr;
    }
    alreadyExisted = Exists(name);
    return std::make_unique<THandle>(*this, name);
  }

  void Sleep(unsigned milliseconds) override {
    Sleeps.push_back(milliseconds);
    if (OnSleep) OnSleep(static_cast<int>(Sleeps.size()));
  }

  // A handle held by someone else (another process), to close by destroying it.
  std::unique_ptr<TNamedObjectHandle> HoldElsewhere(const std::wstring& name) {
    return std::make_unique<THandle>(*this, name);
  }

 private:
  class THandle : public TNamedObjectHandle {
   public:
    THandle(TFakeNamedObjects& owner, std::wstring name) : FOwner(owner), FName(std::move(name)) {
      ++FOwner.OpenHandles[FName];
    }
    ~THandle() override { --FOwner.OpenHandles[FName]; }

   private:
    TFakeNamedObjects& FOwner;
    std::wstring FName;
  };
};
