// The version resource reader on any bytes: it reads within them alone (the sanitizers catch a
// read beyond), and a value it finds is text of the block itself, never longer than the block.
#include <cstdlib>

#include "platform/version_resource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (const wchar_t* name : {L"FileVersion", L"ProductVersion"}) {
    const std::wstring value = VersionResourceString(data, size, L"040904E4", name);
    if (value.size() * 2 > size) std::abort();
  }
  return 0;
}
