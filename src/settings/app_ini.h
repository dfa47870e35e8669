#pragma once
// The settings store: flat named integers and booleans in section "Main", and the window
// placement. Until the store is backed by the INI file or the registry every read answers its
// default and writes are dropped, so the program starts with its defaults every time.
#include <string>

class TAppIniClass {
 public:
  virtual ~TAppIniClass() = default;
  virtual bool ReadBool(const std::wstring& name, bool defaultValue) { return defaultValue; }
  virtual int ReadInteger(const std::wstring& name, int defaultValue) { return defaultValue; }
  virtual void WriteBool(const std::wstring& name, bool value) {}
  virtual void WriteInteger(const std::wstring& name, int value) {}
};
