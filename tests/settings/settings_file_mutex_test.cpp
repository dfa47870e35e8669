#include "settings/settings_file_mutex.h"

#include <gtest/gtest.h>

TEST(SettingsFileMutex, NamedAfterTheFullPathWithCaseFoldedAndNoBackslash) {
  const std::wstring name = SettingsFileMutexName(L"C:\\Tools\\Orvilla\\Orvilla.ini");
  EXPECT_EQ(name, L"Orvilla.SettingsFile:C:/TOOLS/ORVILLA/ORVILLA.INI");
  // Two spellings of one file name one mutex; another file another.
  EXPECT_EQ(SettingsFileMutexName(L"c:\\tools\\orvilla\\orvilla.INI"), name);
  EXPECT_NE(SettingsFileMutexName(L"C:\\Tools\\Orvilla2\\Orvilla.ini"), name);
}

TEST(SettingsFileMutex, APathTooLongForANameIsHashed) {
  const std::wstring folder = L"C:\\" + std::wstring(300, L'x');
  const std::wstring a = SettingsFileMutexName(folder + L"\\a\\Orvilla.ini");
  const std::wstring b = SettingsFileMutexName(folder + L"\\b\\Orvilla.ini");
  for (const std::wstring& name : {a, b}) {
    EXPECT_LE(name.size(), MaxKernelObjectName);
    EXPECT_EQ(name.find(L'\\'), std::wstring::npos);
  }
  EXPECT_NE(a, b);
  EXPECT_EQ(SettingsFileMutexName(folder + L"\\A\\ORVILLA.INI"), a);
}
