#include "shell/unit3.h"

#include <QFrame>
#include <QLabel>

#include "shell/secondary_artwork.h"
#include "shell/window_showing.h"
#include "widgets/pixel_font.h"
#include "widgets/rx_gif_animator.h"

namespace {

QLabel* RedBoldLine(QWidget* parent, const char* utf8, QPoint topLeft)
{
    auto* label = new QLabel(QString::fromUtf8(utf8), parent);
    label->setFont(dds::PixelFont(QStringLiteral("Arial"), 19, true));
    label->setStyleSheet(QStringLiteral("color: red;"));
    label->move(topLeft);
    label->adjustSize();
    return label;
}

} // namespace

TForm3::TForm3(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form3"));
    dds::RegisterArtwork();
    dds::MakeFixedFrameless(*this, 367, 174);
    Panel1 = dds::MakeLoweredPanel(this);
    Label1 = RedBoldLine(Panel1, "Calculs en cours... Veuillez patienter...", {8, 8});
    Label2 = RedBoldLine(Panel1, "Calculating... Please wait...", {64, 32});
    Label3 = RedBoldLine(Panel1, "Berechnung läuft... Bitte warten...", {32, 56});

    RxGIFAnimator1 = new TRxGIFAnimator(Panel1);
    RxGIFAnimator1->setGeometry(144, 85, 80, 84);
    RxGIFAnimator1->setImage(QString::fromLatin1(dds::kWaitAnimation));
}
