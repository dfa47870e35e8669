// Default names of the virtual-key codes, shown on keys that have no character legend.
#include "keyboard/vk_names.h"

// Eight names a row, each row headed by its first code.
// clang-format off
const wchar_t* const VKNames[256] = {
    /*   0 */ L"", L"LeftButton", L"RightButton", L"Break", L"MiddleButton", L"XButton1", L"XButton2", L"",
    /*   8 */ L"Backsp", L"Tab", L"", L"", L"Clear", L"Enter", L"", L"",
    /*  16 */ L"Shift", L"Ctrl", L"Alt", L"Pause", L"Caps", L"KANA", L"", L"JUNJA",
    /*  24 */ L"FINAL", L"HANJA", L"", L"Esc", L"CONVERT", L"NONCONVERT", L"ACCEPT", L"MODECHANGE",
    /*  32 */ L"Space", L"PgUp", L"PgDn", L"End", L"Home", L"Left", L"Up", L"Right",
    /*  40 */ L"Down", L"SELECT", L"PRINT", L"EXECUTE", L"PrtSc", L"Ins", L"Del", L"HELP",
    /*  48 */ L"0", L"1", L"2", L"3", L"4", L"5", L"6", L"7",
    /*  56 */ L"8", L"9", L"", L"", L"", L"", L"", L"",
    /*  64 */ L"", L"A", L"B", L"C", L"D", L"E", L"F", L"G",
    /*  72 */ L"H", L"I", L"J", L"K", L"L", L"M", L"N", L"O",
    /*  80 */ L"P", L"Q", L"R", L"S", L"T", L"U", L"V", L"W",
    /*  88 */ L"X", L"Y", L"Z", L"Win", L"RWin", L"Menu", L"", L"Sleep",
    /*  96 */ L"Nm 0", L"Nm 1", L"Nm 2", L"Nm 3", L"Nm 4", L"Nm 5", L"Nm 6", L"Nm 7",
    /* 104 */ L"Nm 8", L"Nm 9", L"Nm *", L"Nm +", L"Sepr.", L"Nm -", L"Nm .", L"Nm /",
    /* 112 */ L"F1", L"F2", L"F3", L"F4", L"F5", L"F6", L"F7", L"F8",
    /* 120 */ L"F9", L"F10", L"F11", L"F12", L"F13", L"F14", L"F15", L"F16",
    /* 128 */ L"F17", L"F18", L"F19", L"F20", L"F21", L"F22", L"F23", L"F24",
    /* 136 */ L"", L"", L"", L"", L"", L"", L"", L"",
    /* 144 */ L"NumLk", L"ScrLk", L"NEC_EQUAL", L"FJ_JISHO", L"FJ_MASSHOU", L"FJ_TOUROKU", L"FJ_LOYA", L"FJ_ROYA",
    /* 152 */ L"", L"", L"", L"", L"", L"", L"", L"",
    /* 160 */ L"Shift", L"Shift", L"Ctrl", L"Ctrl", L"Alt", L"AltGr", L"BROWSER_BACK", L"BROWSER_FORWARD",
    /* 168 */ L"BROWSER_REFRESH", L"BROWSER_STOP", L"BROWSER_SEARCH", L"BROWSER_FAVORITES", L"BROWSER_HOME", L"VOLUME_MUTE", L"VOLUME_DOWN", L"VOLUME_UP",
    /* 176 */ L"MEDIA_NEXT_TRACK", L"MEDIA_PREV_TRACK", L"MEDIA_STOP", L"MEDIA_PLAY_PAUSE", L"LAUNCH_MAIL", L"LAUNCH_MEDIA_SELECT", L"LAUNCH_APP1", L"LAUNCH_APP2",
    /* 184 */ L"", L"", L":", L"+", L",", L"-", L".", L"?",
    /* 192 */ L"~", L"", L"", L"", L"", L"", L"", L"",
    /* 200 */ L"", L"", L"", L"", L"", L"", L"", L"",
    /* 208 */ L"", L"", L"", L"", L"", L"", L"", L"",
    /* 216 */ L"", L"", L"", L"{", L"\\", L"}", L"\"", L"8",
    /* 224 */ L"", L"", L"\\", L"", L"", L"PROCESSKEY", L"", L"PACKET",
    /* 232 */ L"", L"RESET", L"JUMP", L"PA1", L"PA2", L"PA3", L"WSCTRL", L"CUSEL",
    /* 240 */ L"ATTN", L"FINNISH", L"COPY", L"AUTO", L"ENLW", L"BACKTAB", L"ATTN", L"CRSEL",
    /* 248 */ L"EXSEL", L"EREOF", L"PLAY", L"ZOOM", L"NONAME", L"PA1", L"CLEAR", L"MEDIA_",
};
// clang-format on
