#pragma once
// The web sites the program names and opens.

inline constexpr wchar_t ProductName[] = L"Orvilla";
inline constexpr wchar_t ProductSiteHost[] = L"orvilla.lunavar.com";
inline constexpr wchar_t ProductSite[] = L"https://orvilla.lunavar.com";
inline constexpr wchar_t SiblingProductSite[] = L"https://sentaro.lunavar.com";
inline constexpr wchar_t OnlineKeyboardSite[] = L"https://keys.lunavar.net";
// Both product sites end in this host suffix; Russian users are sent to the Russian one.
inline constexpr wchar_t ProductHostSuffix[] = L"lunavar.com";
inline constexpr wchar_t RussianHostSuffix[] = L"lunavar.ru";

// The fixed caption of the keyboard window: "Orvilla - " and the product site's host.
inline const wchar_t* MainCaption() { return L"Orvilla - orvilla.lunavar.com"; }
