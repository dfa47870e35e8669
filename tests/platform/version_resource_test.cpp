#include "platform/version_resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using TBytes = std::vector<std::uint8_t>;

void PutUnit(TBytes& out, std::uint16_t unit) {
  out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
  out.push_back(static_cast<std::uint8_t>(unit >> 8));
}

void PadTo4(TBytes& out) {
  while (out.size() % 4) out.push_back(0);
}

TBytes Utf16(const std::u16string& text) {
  TBytes out;
  for (const char16_t c : text) PutUnit(out, c);
  PutUnit(out, 0);
  return out;
}

// A node as the resource compiler lays it out: length, value length, type, key, padding, value,
// padding, children. A text value's length counts its units with the terminating zero.
TBytes Node(const std::u16string& key, bool text, const TBytes& value, const std::vector<TBytes>& children = {}) {
  TBytes out(6, 0);
  const TBytes k = Utf16(key);
  out.insert(out.end(), k.begin(), k.end());
  PadTo4(out);
  out.insert(out.end(), value.begin(), value.end());
  for (const TBytes& child : children) {
    PadTo4(out);
    out.insert(out.end(), child.begin(), child.end());
  }
  out[0] = static_cast<std::uint8_t>(out.size() & 0xFF);
  out[1] = static_cast<std::uint8_t>(out.size() >> 8);
  const std::size_t valueLength = text ? value.size() / 2 : value.size();
  out[2] = static_cast<std::uint8_t>(valueLength & 0xFF);
  out[3] = static_cast<std::uint8_t>(valueLength >> 8);
  out[4] = text ? 1 : 0;
  return out;
}

TBytes String(const std::u16string& key, const std::u16string& value) { return Node(key, true, Utf16(value)); }

// The block of the program's own resource: a fixed file info, two string tables, the
// translations.
TBytes ProgramBlock() {
  const TBytes fixed(52, 0xAB);
  const TBytes english = Node(u"040904E4", true, {},
                              {String(u"CompanyName", u"Lunavar"), String(u"FileVersion", u"1.4.2.0"),
                               String(u"Comments", u""), String(u"ProductVersion", u"1.4.2")});
  const TBytes german = Node(u"040704B0", true, {}, {String(u"FileVersion", u"9.9.9.9")});
  const TBytes strings = Node(u"StringFileInfo", true, {}, {german, english});
  const TBytes vars = Node(u"VarFileInfo", true, {}, {Node(u"Translation", false, {0x09, 0x04, 0xE4, 0x04})});
  return Node(u"VS_VERSION_INFO", false, fixed, {strings, vars});
}

std::wstring Lookup(const TBytes& block, std::wstring_view table, std::wstring_view name) {
  // A copy of exactly the block's size, so that a read past it is caught by the address sanitizer.
  const std::vector<std::uint8_t> exact(block.begin(), block.end());
  return VersionResourceString(exact.empty() ? nullptr : exact.data(), exact.size(), table, name);
}

TEST(VersionResource, FindsAValueOfTheNamedTable) {
  const TBytes block = ProgramBlock();
  struct TCase {
    const wchar_t* Table;
    const wchar_t* Name;
    const wchar_t* Expected;
  };
  const TCase cases[] = {
      {L"040904E4", L"FileVersion", L"1.4.2.0"},
      {L"040904E4", L"ProductVersion", L"1.4.2"},  // after another value
      {L"040904E4", L"CompanyName", L"Lunavar"},
      {L"040904e4", L"fileversion", L"1.4.2.0"},  // keys without regard to ASCII case
      {L"040704B0", L"FileVersion", L"9.9.9.9"},  // the other table
      {L"040904E4", L"Comments", L""},            // an empty value
      {L"040904E4", L"LegalCopyright", L""},      // none
      {L"040C04E4", L"FileVersion", L""},         // no such table
      {L"040904E4", L"FileVersio", L""},          // a key's prefix is no key
      {L"VarFileInfo", L"Translation", L""},      // not under StringFileInfo
  };
  for (const TCase& c : cases) EXPECT_EQ(Lookup(block, c.Table, c.Name), c.Expected) << c.Table << L" " << c.Name;
}

TEST(VersionResource, ReadsNoFurtherThanATruncatedBlock) {
  const TBytes block = ProgramBlock();
  // Every prefix of the block: the root's length then runs past the data, so nothing is found.
  for (std::size_t size = 0; size < block.size(); ++size) {
    const TBytes cut(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(size));
    EXPECT_EQ(Lookup(cut, L"040904E4", L"ProductVersion"), L"") << size;
  }
  EXPECT_EQ(Lookup({}, L"040904E4", L"FileVersion"), L"");
}

TEST(VersionResource, StopsAtAMalformedNode) {
  const TBytes good = ProgramBlock();
  const auto at = [&](const std::u16string& key) {
    const TBytes k = Utf16(key);
    const auto found = std::search(good.begin(), good.end(), k.begin(), k.end());
    return static_cast<std::size_t>(found - good.begin()) - 6;  // the node's start
  };
  const auto withUnit = [&](std::size_t offset, std::uint16_t unit) {
    TBytes bad = good;
    bad[offset] = static_cast<std::uint8_t>(unit & 0xFF);
    bad[offset + 1] = static_cast<std::uint8_t>(unit >> 8);
    return bad;
  };
  const std::size_t table = at(u"040904E4");
  struct TCase {
    const char* What;
    TBytes Block;
    const wchar_t* Name;
    const wchar_t* Expected;
  };
  const std::size_t company = at(u"CompanyName");
  const std::size_t product = at(u"ProductVersion");
  const TCase cases[] = {
      {"the table runs past its parent", withUnit(table, 0xFFF0), L"FileVersion", L""},
      {"a value of length 0 ends the walk", withUnit(company, 0), L"FileVersion", L""},
      {"a value shorter than its header", withUnit(company, 4), L"FileVersion", L""},
      {"a value shorter than its key", withUnit(company, 10), L"FileVersion", L""},
      {"values before the fault are found", withUnit(product, 0x7000), L"FileVersion", L"1.4.2.0"},
      {"a text value's length beyond its node is cut at the node", withUnit(product + 2, 0x7000), L"ProductVersion",
       L"1.4.2"},
  };
  for (const TCase& c : cases) EXPECT_EQ(Lookup(c.Block, L"040904E4", c.Name), c.Expected) << c.What;
}

TEST(VersionResource, ATextWithoutItsZeroEndsWithItsNode) {
  // The last value's terminating zero overwritten: its text runs to its node's end and no further.
  TBytes block =
      Node(u"VS_VERSION_INFO", false, TBytes(52, 0),
           {Node(u"StringFileInfo", true, {}, {Node(u"040904E4", true, {}, {String(u"FileVersion", u"1.0")})})});
  block[block.size() - 2] = '7';
  EXPECT_EQ(Lookup(block, L"040904E4", L"FileVersion"), L"1.07");
}

}  // namespace
