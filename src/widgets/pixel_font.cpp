#include "widgets/pixel_font.h"

#include <QStringList>

namespace dds {

QFont PixelFont(const QString& family, int pixels, bool bold)
{
    QFont font;
    font.setFamilies({family, QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace dds
