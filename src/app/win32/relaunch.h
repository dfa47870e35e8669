#pragma once
// The restart without a DPI compatibility layer.

bool NeedsRelaunch();
void RelaunchWithoutCompatLayer();
