#include "shell/web_addresses.h"

#include <QDesktopServices>
#include <stdexcept>

#include "shell/language_texts.h"

namespace dds {

QUrl UserGuideUrl(const QString& programFolder, int languageCode)
{
    QUrl guide = QUrl::fromLocalFile(programFolder + QString::fromLatin1(kUserGuideRelativePath));
    guide.setFragment(QString::fromLatin1(MessageTexts(languageCode).guideAnchor));
    return guide;
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
