#include "platform/version_resource.h"

#include <optional>

namespace {

// Every node of the block begins with its length in bytes (itself and its children), the length
// of its value, the value's type (1: text, counted in UTF-16 units; 0: binary, counted in bytes)
// and its key; the value and each child begin on a 4-byte boundary of the block.
struct TNode {
  std::size_t ValueAt = 0;
  std::size_t ChildrenAt = 0;
  std::size_t End = 0;
  std::u16string Key;
};

class TVersionBlock {
 public:
  TVersionBlock(const std::uint8_t* data, std::size_t size) : FData(data), FSize(size) {}

  // The node at `at`, which must lie within `end`; none when it does not or is malformed.
  std::optional<TNode> NodeAt(std::size_t at, std::size_t end) const {
    if (end > FSize || at > end || end - at < 6) return std::nullopt;
    const std::size_t length = Unit(at);
    if (length < 6 || length > end - at) return std::nullopt;
    TNode node;
    node.End = at + length;
    const std::size_t valueLength = Unit(at + 2);
    const bool text = Unit(at + 4) == 1;
    std::size_t p = at + 6;
    for (;; p += 2) {
      if (node.End - p < 2) return std::nullopt;  // no terminating zero in the node
      const char16_t c = static_cast<char16_t>(Unit(p));
      if (c == 0) break;
      node.Key += c;
    }
    node.ValueAt = Aligned(p + 2, node.End);
    const std::size_t valueBytes = text ? valueLength * 2 : valueLength;
    node.ChildrenAt = Aligned(valueBytes > node.End - node.ValueAt ? node.End : node.ValueAt + valueBytes, node.End);
    return node;
  }

  // The child of `parent` with that key, or none.
  std::optional<TNode> Child(const TNode& parent, std::wstring_view key) const {
    std::size_t at = parent.ChildrenAt;
    while (at < parent.End) {
      const std::optional<TNode> child = NodeAt(at, parent.End);
      if (!child) return std::nullopt;
      if (SameKey(child->Key, key)) return child;
      at = Aligned(child->End, parent.End);
    }
    return std::nullopt;
  }

  // The node's value read as text: its units up to a zero or the node's end.
  std::wstring Text(const TNode& node) const {
    std::wstring text;
    for (std::size_t p = node.ValueAt; node.End - p >= 2; p += 2) {
      const std::uint16_t c = Unit(p);
      if (c == 0) break;
      text += static_cast<wchar_t>(c);
    }
    return text;
  }

 private:
  std::uint16_t Unit(std::size_t at) const { return static_cast<std::uint16_t>(FData[at] | (FData[at + 1] << 8)); }
  // The next 4-byte boundary from `at`, at most `end`.
  static std::size_t Aligned(std::size_t at, std::size_t end) {
    const std::size_t aligned = (at + 3) & ~static_cast<std::size_t>(3);
    return aligned < end ? aligned : end;
  }
  static wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }
  static bool SameKey(const std::u16string& key, std::wstring_view wanted) {
    if (key.size() != wanted.size()) return false;
    for (std::size_t i = 0; i < key.size(); ++i)
      if (AsciiLower(static_cast<wchar_t>(key[i])) != AsciiLower(wanted[i])) return false;
    return true;
  }

  const std::uint8_t* FData;
  std::size_t FSize;
};

}  // namespace

std::wstring VersionResourceString(const std::uint8_t* data, std::size_t size, std::wstring_view table,
                                   std::wstring_view name) {
  if (!data) return {};
  const TVersionBlock block(data, size);
  const std::optional<TNode> root = block.NodeAt(0, size);
  if (!root) return {};
  const std::optional<TNode> strings = block.Child(*root, L"StringFileInfo");
  if (!strings) return {};
  const std::optional<TNode> tableNode = block.Child(*strings, table);
  if (!tableNode) return {};
  const std::optional<TNode> value = block.Child(*tableNode, name);
  return value ? block.Text(*value) : std::wstring();
}
