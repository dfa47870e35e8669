#include "platform/version_text.h"

std::wstring VersionTextFrom(const std::wstring& fileVersion, const std::wstring& productVersion) {
  std::wstring v = fileVersion;
  while (v.size() >= 2 && v.compare(v.size() - 2, 2, L".0") == 0) v.resize(v.size() - 2);
  if (v.size() < 4) v = productVersion;
  return v;
}
