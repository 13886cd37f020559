#include "shell/web_addresses.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <stdexcept>

#include "shell/language_texts.h"

namespace dds {

QString UserGuideFileName(int languageCode)
{
    // Whole pages rather than anchors in one page: the desktop's opener may drop an address's
    // fragment (Debian's xdg-open does for local files), which would land everyone on the French top.
    return QString::fromLatin1(MessageTexts(languageCode).guidePage);
}

QUrl UserGuideUrl(const QString& programFolder, int languageCode)
{
    const QString page = QString::fromLatin1(kUserGuideFolder) + UserGuideFileName(languageCode);
    const QString beside = programFolder + page;
    for (const QString& path :
         {beside, QDir::cleanPath(programFolder + QString::fromLatin1(kInstalledDataFolder) + page)})
        if (QFileInfo::exists(path))
            return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    throw std::runtime_error(QStringLiteral("Guide d'utilisation introuvable : %1").arg(beside).toStdString());
}

UrlOpener DesktopUrlOpener()
{
    return [](const QUrl& address) { return QDesktopServices::openUrl(address); };
}

void OpenWebAddress(const UrlOpener& opener, const QUrl& address)
{
    if (!opener(address))
        throw std::runtime_error(
            QStringLiteral("Impossible d'ouvrir « %1 »").arg(address.toDisplayString()).toStdString());
}

} // namespace dds
