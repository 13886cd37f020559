#include "shell/web_addresses.h"

#include <QDesktopServices>
#include <stdexcept>

namespace dds {

namespace {

UrlOpener& CurrentOpener()
{
    static UrlOpener opener;
    return opener;
}

} // namespace

QUrl UserGuideUrl(const QString& programFolder)
{
    return QUrl::fromLocalFile(programFolder + QString::fromLatin1(kUserGuideRelativePath));
}

void SetUrlOpener(UrlOpener opener)
{
    CurrentOpener() = std::move(opener);
}

void OpenWebAddress(const QUrl& address)
{
    const UrlOpener& opener = CurrentOpener();
    const bool opened = opener ? opener(address) : QDesktopServices::openUrl(address);
    if (!opened)
        throw std::runtime_error(
            QStringLiteral("Impossible d'ouvrir « %1 »").arg(address.toDisplayString()).toStdString());
}

} // namespace dds
