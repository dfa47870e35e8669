#pragma once
// The two places the settings store keeps its values: an INI file read and written one string at
// a time through the system's profile functions, and one registry key holding 32-bit values.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// One INI file. Nothing is cached: every call goes to the file.
class TIniFileBackend {
 public:
  virtual ~TIniFileBackend() = default;
  // The text of Name in Section, or defaultValue when the file or the key is missing.
  virtual std::wstring ReadString(const std::wstring& section, const std::wstring& name,
                                  const std::wstring& defaultValue) = 0;
  // False when the system could not write the file.
  virtual bool WriteString(const std::wstring& section, const std::wstring& name, const std::wstring& value) = 0;
  // Every line of Section ("name=value"), in the file's order, in one read; empty when the file or
  // the section is missing, none when it cannot be read whole.
  virtual std::optional<std::vector<std::wstring>> ReadSection(const std::wstring& section) = 0;
};

// Attaches an INI file object to a full file name.
using TIniFileFactory = std::function<std::unique_ptr<TIniFileBackend>(const std::wstring& fileName)>;

enum class TRegistryRoot { CurrentUser, LocalMachine };

// The rights a key was opened with, from full access down to querying values only.
enum class TRegistryRights {
  AllAccess,          // KEY_ALL_ACCESS
  Read,               // KEY_READ
  QueryAndEnumerate,  // STANDARD_RIGHTS_READ + KEY_QUERY_VALUE + KEY_ENUMERATE_SUB_KEYS
  QueryValue,         // KEY_QUERY_VALUE
};

enum class TRegistryValueStatus {
  Found,       // a REG_DWORD of 4 bytes; Data holds it
  Absent,      // no such value, or no key open
  WrongType,   // the value exists in at most 4 bytes but is not a REG_DWORD of 4 bytes
  Unreadable,  // the value is longer than 4 bytes, or the system refused to read it
};

struct TRegistryValue {
  TRegistryValueStatus Status = TRegistryValueStatus::Absent;
  std::uint32_t Data = 0;
};

// At most one open key; opening another closes the previous one, and destruction closes it.
class TRegistryBackend {
 public:
  virtual ~TRegistryBackend() = default;
  // Opens the key with full access, creating it when missing. True when the key is open.
  virtual bool CreateKey(TRegistryRoot root, const std::wstring& path) = 0;
  // Opens an existing key with the given rights. True when the key is open.
  virtual bool OpenKey(TRegistryRoot root, const std::wstring& path, TRegistryRights rights) = 0;
  virtual TRegistryValue ReadDword(const std::wstring& name) = 0;
  // False when the system refused the write.
  virtual bool WriteDword(const std::wstring& name, std::uint32_t value) = 0;
  // A REG_SZ value of the open key; none when it is missing, of another type or unreadable.
  virtual std::optional<std::wstring> ReadText(const std::wstring& name) = 0;
  // Stores a REG_SZ value; false when the system refused the write.
  virtual bool WriteText(const std::wstring& name, const std::wstring& value) = 0;
};
