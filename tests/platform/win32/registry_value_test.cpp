#include "platform/win32/registry_value.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/win32/win32_handles.h"

namespace {

const wchar_t* const TestKey = L"Software\\Orvilla tests\\registry value";

class RegistryValue : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(
        RegCreateKeyExW(HKEY_CURRENT_USER, TestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, FKey.Receive(), nullptr),
        ERROR_SUCCESS);
  }
  void TearDown() override {
    FKey.Reset();
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Orvilla tests");
  }
  void Set(const wchar_t* name, DWORD type, const void* bytes, DWORD size) {
    RegSetValueExW(FKey.Get(), name, 0, type, static_cast<const BYTE*>(bytes), size);
  }

  TRegKey FKey;
};

TEST_F(RegistryValue, AMissingKeyOrValueIsMissingAndAKeyReadsAsItsSubkeyDoes) {
  const DWORD seven = 7;
  Set(L"Seven", REG_DWORD, &seven, sizeof(seven));
  EXPECT_EQ(ReadRegistryValue(HKEY_CURRENT_USER, L"Software\\Orvilla tests\\none", L"Seven").Result,
            TRegistryReadResult::Missing);
  EXPECT_EQ(ReadRegistryValue(HKEY_CURRENT_USER, TestKey, L"Eight").Result, TRegistryReadResult::Missing);
  EXPECT_EQ(ReadRegistryValue(nullptr, nullptr, L"Seven").Result, TRegistryReadResult::Missing);
  EXPECT_EQ(RegistryDword(ReadRegistryValue(HKEY_CURRENT_USER, TestKey, L"Seven")), std::optional<DWORD>(7));
  EXPECT_EQ(RegistryDword(ReadRegistryValue(FKey.Get(), nullptr, L"Seven")), std::optional<DWORD>(7));
}

TEST_F(RegistryValue, TextsAreReadToTheirFirstNulAndExpandedOnlyWhenAsked) {
  SetEnvironmentVariableW(L"ORVILLA_REGISTRY_TEST", L"Here");
  const wchar_t unterminated[] = {L'a', L'b'};
  const wchar_t twoParts[] = L"one\0two";
  const wchar_t expandable[] = L"%ORVILLA_REGISTRY_TEST%\\x";
  const DWORD number = 1;
  Set(L"Unterminated", REG_SZ, unterminated, sizeof(unterminated));
  Set(L"TwoParts", REG_SZ, twoParts, sizeof(twoParts));
  Set(L"Expandable", REG_EXPAND_SZ, expandable, sizeof(expandable));
  Set(L"Number", REG_DWORD, &number, sizeof(number));
  struct TCase {
    const wchar_t* Name;
    bool Expand;
    std::optional<std::wstring> Expected;
  };
  const TCase cases[] = {
      {L"Unterminated", false, std::wstring(L"ab")},
      {L"TwoParts", false, std::wstring(L"one")},
      {L"Expandable", false, std::nullopt},
      {L"Expandable", true, std::wstring(L"Here\\x")},
      {L"TwoParts", true, std::wstring(L"one")},
      {L"Number", true, std::nullopt},
      {L"Missing", true, std::nullopt},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(RegistryText(ReadRegistryValue(FKey.Get(), nullptr, c.Name), c.Expand), c.Expected)
        << c.Name << " expand " << c.Expand;
  SetEnvironmentVariableW(L"ORVILLA_REGISTRY_TEST", nullptr);
}

}  // namespace
