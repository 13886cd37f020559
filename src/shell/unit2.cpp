#include "shell/unit2.h"

#include <QFrame>
#include <QPixmap>

#include "shell/secondary_artwork.h"
#include "shell/window_showing.h"
#include "widgets/graphic_gauge.h"
#include "widgets/rx_gif_animator.h"

TForm2::TForm2(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form2"));
    dds::RegisterArtwork();
    dds::MakeFixedFrameless(*this, 472, 185);
    Panel1 = dds::MakeLoweredPanel(this);

    RxGIFAnimator1 = new TRxGIFAnimator(Panel1);
    RxGIFAnimator1->setGeometry(5, 7, 460, 146);
    RxGIFAnimator1->setImage(QString::fromLatin1(dds::kTransferAnimation));

    GraphicGauge1 = new TGraphicGauge(Panel1);
    GraphicGauge1->setGeometry(24, 160, 425, 17);
    GraphicGauge1->setBrosse(QPixmap(QString::fromLatin1(dds::kGaugeFill)));
    GraphicGauge1->setFond(QPixmap(QString::fromLatin1(dds::kGaugeBackground)));
    GraphicGauge1->setProgress(0);
}
