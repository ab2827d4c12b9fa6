#pragma once
// Window names: each window's object name, and the key by which the program object loads it.

#include <QStringView>

namespace kc::windows {
inline constexpr QStringView kMenu = u"menu";
inline constexpr QStringView kShow = u"Form1";
inline constexpr QStringView kPicture = u"Picshow";
inline constexpr QStringView kEditor = u"Maker";
inline constexpr QStringView kWelcomeConf = u"WelcomeConf";
inline constexpr QStringView kSelectMedia = u"SelectMedia";
inline constexpr QStringView kSnapshot = u"Taoanh";
inline constexpr QStringView kAbout = u"Aboutf";
inline constexpr QStringView kSetup = u"Setup";
inline constexpr QStringView kMediaPanel = u"Mediaform";
inline constexpr QStringView kMinimised = u"MinimizeForm";
}  // namespace kc::windows
