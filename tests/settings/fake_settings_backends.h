#pragma once
// In-memory stand-ins for the settings store's INI files, registry and placement window.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "settings/app_ini.h"
#include "settings/settings_file_choice.h"

// Every INI file the tests know: file name -> section -> key -> text.
struct TFakeIniDisk {
  std::map<std::wstring, std::map<std::wstring, std::map<std::wstring, std::wstring>>> Files;
  std::set<std::wstring> ReadOnlyFiles;
  std::vector<std::wstring> WrittenKeys;  // "Section/Name" of every successful write, in order
  int FilesAttached = 0;
  int StringReads = 0;   // reads of one value
  int SectionReads = 0;  // reads of a whole section

  std::wstring& Value(const std::wstring& file, const std::wstring& name) { return Files[file][L"Main"][name]; }
  bool Has(const std::wstring& file, const std::wstring& name) const {
    const auto f = Files.find(file);
    if (f == Files.end()) return false;
    const auto s = f->second.find(L"Main");
    return s != f->second.end() && s->second.count(name) != 0;
  }
  TIniFileFactory Factory();
};

class TFakeIniFile : public TIniFileBackend {
 public:
  TFakeIniFile(TFakeIniDisk& disk, std::wstring fileName) : FDisk(disk), FFileName(std::move(fileName)) {}
  std::wstring ReadString(const std::wstring& section, const std::wstring& name,
                          const std::wstring& defaultValue) override {
    ++FDisk.StringReads;
    const auto f = FDisk.Files.find(FFileName);
    if (f == FDisk.Files.end()) return defaultValue;
    const auto s = f->second.find(section);
    if (s == f->second.end()) return defaultValue;
    const auto v = s->second.find(name);
    return v == s->second.end() ? defaultValue : v->second;
  }
  std::optional<std::vector<std::wstring>> ReadSection(const std::wstring& section) override {
    ++FDisk.SectionReads;
    std::vector<std::wstring> lines;
    const auto f = FDisk.Files.find(FFileName);
    if (f == FDisk.Files.end()) return lines;
    const auto s = f->second.find(section);
    if (s == f->second.end()) return lines;
    for (const auto& [name, value] : s->second) lines.push_back(name + L"=" + value);
    return lines;
  }
  bool WriteString(const std::wstring& section, const std::wstring& name, const std::wstring& value) override {
    if (FDisk.ReadOnlyFiles.count(FFileName)) return false;
    FDisk.Files[FFileName][section][name] = value;
    FDisk.WrittenKeys.push_back(section + L"/" + name);
    return true;
  }

 private:
  TFakeIniDisk& FDisk;
  std::wstring FFileName;
};

inline TIniFileFactory TFakeIniDisk::Factory() {
  return [this](const std::wstring& fileName) {
    ++FilesAttached;
    return std::make_unique<TFakeIniFile>(*this, fileName);
  };
}

// A registry: root -> key path -> value name -> value, with the rights each root grants.
struct TFakeRegistryValue {
  bool IsDword = true;
  std::uint32_t Size = 4;  // bytes of data
  std::uint32_t Data = 0;
  std::optional<std::wstring> Text = std::nullopt;  // a REG_SZ value (IsDword false)
};

struct TFakeRegistryData {
  using TKey = std::map<std::wstring, TFakeRegistryValue>;
  std::map<std::pair<TRegistryRoot, std::wstring>, TKey> Keys;
  // The rights that opening a key under each root succeeds with; full access also creates.
  std::map<TRegistryRoot, std::set<TRegistryRights>> Granted = {
      {TRegistryRoot::CurrentUser,
       {TRegistryRights::AllAccess, TRegistryRights::Read, TRegistryRights::QueryAndEnumerate,
        TRegistryRights::QueryValue}},
      {TRegistryRoot::LocalMachine,
       {TRegistryRights::AllAccess, TRegistryRights::Read, TRegistryRights::QueryAndEnumerate,
        TRegistryRights::QueryValue}}};
  bool RefuseWrites = false;
  std::vector<TRegistryRights> Attempts;  // every opening, in order

  TKey& Key(TRegistryRoot root, const std::wstring& path = SettingsRegistryKey) { return Keys[{root, path}]; }
  void SetDword(TRegistryRoot root, const std::wstring& name, std::uint32_t data) { Key(root)[name] = {true, 4, data}; }
};

class TFakeRegistry : public TRegistryBackend {
 public:
  explicit TFakeRegistry(TFakeRegistryData& data) : FData(data) {}
  bool CreateKey(TRegistryRoot root, const std::wstring& path) override {
    FData.Attempts.push_back(TRegistryRights::AllAccess);
    FOpen = nullptr;
    if (!FData.Granted[root].count(TRegistryRights::AllAccess)) return false;
    FOpen = &FData.Keys[{root, path}];
    return true;
  }
  bool OpenKey(TRegistryRoot root, const std::wstring& path, TRegistryRights rights) override {
    FData.Attempts.push_back(rights);
    FOpen = nullptr;
    const auto key = FData.Keys.find({root, path});
    if (key == FData.Keys.end() || !FData.Granted[root].count(rights)) return false;
    FOpen = &key->second;
    return true;
  }
  TRegistryValue ReadDword(const std::wstring& name) override {
    if (!FOpen) return {};
    const auto v = FOpen->find(name);
    if (v == FOpen->end()) return {};
    if (v->second.Size > 4) return {TRegistryValueStatus::Unreadable, 0};
    if (!v->second.IsDword || v->second.Size != 4) return {TRegistryValueStatus::WrongType, 0};
    return {TRegistryValueStatus::Found, v->second.Data};
  }
  bool WriteDword(const std::wstring& name, std::uint32_t value) override {
    if (!FOpen || FData.RefuseWrites) return false;
    (*FOpen)[name] = {true, 4, value};
    return true;
  }
  std::optional<std::wstring> ReadText(const std::wstring& name) override {
    if (!FOpen) return std::nullopt;
    const auto v = FOpen->find(name);
    return v == FOpen->end() ? std::nullopt : v->second.Text;
  }
  bool WriteText(const std::wstring& name, const std::wstring& value) override {
    if (!FOpen || FData.RefuseWrites) return false;
    (*FOpen)[name] = {false, static_cast<std::uint32_t>((value.size() + 1) * sizeof(wchar_t)), 0, value};
    return true;
  }

 private:
  TFakeRegistryData& FData;
  TFakeRegistryData::TKey* FOpen = nullptr;
};

// A window that records every change made to it.
class TFakePlacementWindow : public TPlacementWindow {
 public:
  int FTop = 100, FLeft = 200, FWidth = 800, FHeight = 300;
  TWindowState FState = TWindowState::Normal;
  bool FMaximizeButton = true;
  bool FSizeable = true;
  std::vector<std::wstring> Changes;

  std::wstring ClassName() const override { return L"TMainForm"; }
  int Top() const override { return FTop; }
  int Left() const override { return FLeft; }
  int Width() const override { return FWidth; }
  int Height() const override { return FHeight; }
  void SetTop(int v) override {
    FTop = v;
    Changes.push_back(L"Top=" + std::to_wstring(v));
  }
  void SetLeft(int v) override {
    FLeft = v;
    Changes.push_back(L"Left=" + std::to_wstring(v));
  }
  void SetWidth(int v) override {
    FWidth = v;
    Changes.push_back(L"Width=" + std::to_wstring(v));
  }
  void SetHeight(int v) override {
    FHeight = v;
    Changes.push_back(L"Height=" + std::to_wstring(v));
  }
  TWindowState State() const override { return FState; }
  void SetState(TWindowState s) override {
    FState = s;
    Changes.push_back(s == TWindowState::Maximized   ? L"State=Maximized"
                      : s == TWindowState::Minimized ? L"State=Minimized"
                                                     : L"State=Normal");
  }
  bool HasMaximizeButton() const override { return FMaximizeButton; }
  bool HasSizeableBorder() const override { return FSizeable; }
  std::vector<TRect> MonitorBounds() const override { return FMonitors; }
  std::vector<TRect> FMonitors = {{0, 0, 1920, 1080}};
};

// Special folders and a set of folders where files cannot be written.
class TFakeSettingsFileSystem : public TSettingsFileSystem {
 public:
  std::map<int, std::wstring> Folders;
  std::set<std::wstring> Unwritable;  // file names whose write test fails
  std::vector<std::wstring> WriteTested;

  std::wstring SpecialFolderPath(int folderId) override {
    const auto f = Folders.find(folderId);
    return f == Folders.end() ? std::wstring() : f->second;
  }
  bool WriteTestFile(const std::wstring& fileName) override {
    if (Unwritable.count(fileName)) return false;
    WriteTested.push_back(fileName);
    return true;
  }
};
