#pragma once
#include <QFont>
#include <QString>

namespace dds {

// A face of the design at a size in pixels. The design's faces are followed by faces with the same
// metrics that free desktops ship, so that texts keep the widths the windows were drawn for where
// the design's faces are missing and no alias stands in for them.
QFont PixelFont(const QString& family, int pixels, bool bold = false);

} // namespace dds
