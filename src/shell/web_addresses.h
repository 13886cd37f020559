#pragma once
#include <QString>
#include <QUrl>
#include <functional>

namespace dds {

// Every address the program opens, in one place.
inline constexpr const char* kMakerWebSite = "https://generateur-dds.example.org/";
inline constexpr const char* kTranslatorWebSite = "https://uebersetzung.example.net/";
// The user guide ships beside the program, so the toolbar button works offline.
inline constexpr const char* kUserGuideRelativePath = "generateur_fonctions/utlisation_soft.htm";

// The user guide's file address under a program folder ending in a separator, at the section of
// the interface language (0 English, 1 French, 2 German); another code opens the French one.
QUrl UserGuideUrl(const QString& programFolder, int languageCode);

// Asks the desktop to open an address; returns false when it could not.
using UrlOpener = std::function<bool(const QUrl&)>;
// The desktop's own service.
UrlOpener DesktopUrlOpener();
// Opens the address through `opener`; throws std::runtime_error when that fails.
void OpenWebAddress(const UrlOpener& opener, const QUrl& address);

} // namespace dds
