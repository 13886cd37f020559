#include "shell/unit4.h"

#include <QLabel>
#include <QPixmap>

#include "shell/secondary_artwork.h"
#include "shell/window_showing.h"

TForm4::TForm4(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form4"));
    dds::RegisterArtwork();
    dds::MakeFixedFrameless(*this, 562, 417);
    Image1 = new QLabel(this);
    Image1->setGeometry(0, 0, 563, 417);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap(QString::fromLatin1(dds::kStartupPicture)));
}
