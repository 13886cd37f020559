#include "shell/web_addresses.h"

#include <QDesktopServices>
#include <stdexcept>

#include "shell/language_texts.h"

namespace dds {

QUrl UserGuideUrl(const QString& programFolder, int languageCode)
{
    QUrl guide = QUrl::fromLocalFile(programFolder + QString::fromLatin1(kUserGuideRelativePath));
    switch (languageCode) { // each section of the guide is anchored by its language's tag
    case kEnglishCode: guide.setFragment(QStringLiteral("en")); break;
    case kFrenchCode: guide.setFragment(QStringLiteral("fr")); break;
    case kGermanCode: guide.setFragment(QStringLiteral("de")); break;
    default: break;
    }
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
