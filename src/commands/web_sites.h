#pragma once
// The web sites the program names and opens.

inline constexpr wchar_t kProductName[] = L"Orvilla";
inline constexpr wchar_t kProductSiteHost[] = L"orvilla.lunavar.com";
inline constexpr wchar_t kProductSite[] = L"https://orvilla.lunavar.com";
inline constexpr wchar_t kSiblingProductSite[] = L"https://sentaro.lunavar.com";
inline constexpr wchar_t kOnlineKeyboardSite[] = L"https://keys.lunavar.net";
// Both product sites end in this host suffix; Russian users are sent to the Russian one.
inline constexpr wchar_t kProductHostSuffix[] = L"lunavar.com";
inline constexpr wchar_t kRussianHostSuffix[] = L"lunavar.ru";

// The fixed caption of the keyboard window: "Orvilla - " and the product site's host.
inline const wchar_t* MainCaption() { return L"Orvilla - orvilla.lunavar.com"; }
