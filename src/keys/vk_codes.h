#pragma once
// The Windows virtual-key codes the program names, as the key table indexes them (1..255).
// Digits and letters are their characters: '0'..'9' and 'A'..'Z'.
#include <cstdint>

using TVk = std::uint8_t;

constexpr TVk VkLButton = 1;
constexpr TVk VkRButton = 2;
constexpr TVk VkMButton = 4;
constexpr TVk VkXButton1 = 5;
constexpr TVk VkXButton2 = 6;
constexpr TVk VkBack = 8;
constexpr TVk VkTab = 9;
constexpr TVk VkReturn = 13;
constexpr TVk VkShift = 16;
constexpr TVk VkControl = 17;
constexpr TVk VkMenu = 18;
constexpr TVk VkPause = 19;
constexpr TVk VkCapital = 20;
// 21..25: the input method keys (Kana, IME on, Junja, Final, Kanji).
constexpr TVk VkKana = 21;
constexpr TVk VkKanji = 25;
constexpr TVk VkEscape = 27;
constexpr TVk VkSpace = 32;
constexpr TVk VkPrior = 33;
constexpr TVk VkNext = 34;
constexpr TVk VkEnd = 35;
constexpr TVk VkHome = 36;
constexpr TVk VkLeft = 37;
constexpr TVk VkUp = 38;
constexpr TVk VkRight = 39;
constexpr TVk VkDown = 40;
constexpr TVk VkSnapshot = 44;
constexpr TVk VkInsert = 45;
constexpr TVk VkDelete = 46;
constexpr TVk Vk0 = '0';
constexpr TVk VkZ = 'Z';
constexpr TVk VkLWin = 91;
constexpr TVk VkRWin = 92;
constexpr TVk VkApps = 93;
constexpr TVk VkSleep = 95;
constexpr TVk VkNumpad0 = 96;
constexpr TVk VkDivide = 111;
constexpr TVk VkF1 = 112;
constexpr TVk VkF24 = 135;
constexpr TVk VkNumLock = 144;
constexpr TVk VkScroll = 145;
constexpr TVk VkLShift = 160;
constexpr TVk VkRShift = 161;
constexpr TVk VkLControl = 162;
constexpr TVk VkRControl = 163;
constexpr TVk VkLMenu = 164;
constexpr TVk VkRMenu = 165;  // right Alt, AltGr where the language has it
// 166..183: browser, volume, media and launch keys.
constexpr TVk VkBrowserBack = 166;
constexpr TVk VkLaunchApp2 = 183;
// 186..194 and 219..226: the punctuation keys whose character depends on the language.
constexpr TVk VkOem1 = 186;
constexpr TVk VkAbntC2 = 194;
constexpr TVk VkOem4 = 219;
constexpr TVk VkOem102 = 226;
constexpr TVk VkOem232 = 232;

// Values of a keyboard-state byte: a key held down, and a lock key switched on.
constexpr std::uint8_t KeyStateDown = 0x81;
constexpr std::uint8_t KeyStateToggled = 1;
