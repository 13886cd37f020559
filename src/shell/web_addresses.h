#pragma once
#include <QString>
#include <QUrl>
#include <functional>

namespace dds {

// Every address the program opens, in one place.
inline constexpr const char* kMakerWebSite = "https://generateur-dds.example.org/";
inline constexpr const char* kTranslatorWebSite = "https://uebersetzung.example.net/";
// The user guide: one page per interface language, the French one under the guide's first name,
// in a folder of its own. A program run from a build folder, a portable folder or Windows finds it
// beside itself; an installed one (in a bin folder) in the data folder next to it.
inline constexpr const char* kUserGuideFolder = "generateur_fonctions/";
inline constexpr const char* kInstalledDataFolder = "../share/ddsgen/";

// The page of a language code (0 English, 1 French, 2 German); French for any other.
QString UserGuideFileName(int languageCode);

// The guide's page for the language as a file address, from the first of the program folder (ending
// in a separator) and the installed data folder that holds it; throws std::runtime_error naming the
// page beside the program when neither does.
QUrl UserGuideUrl(const QString& programFolder, int languageCode);

// Asks the desktop to open an address; returns false when it could not.
using UrlOpener = std::function<bool(const QUrl&)>;
// The desktop's own service.
UrlOpener DesktopUrlOpener();
// Opens the address through `opener`; throws std::runtime_error when that fails.
void OpenWebAddress(const UrlOpener& opener, const QUrl& address);

} // namespace dds
