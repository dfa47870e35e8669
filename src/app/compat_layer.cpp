#include "app/compat_layer.h"

#include "platform/command_line.h"

bool CompatLayerWantsRelaunch(const std::wstring& layerValue) {
  return AsciiUpper(layerValue).find(L"DPI") != std::wstring::npos;
}

bool ShouldRelaunch(const std::wstring& layerValue, bool alreadyRelaunched) {
  if (alreadyRelaunched || layerValue.empty()) return false;
  return CompatLayerWantsRelaunch(layerValue);
}

std::wstring RelaunchCommandLine(const std::wstring& commandLine) { return commandLine.substr(0, 4095); }
