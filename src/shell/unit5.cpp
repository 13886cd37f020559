#include "shell/unit5.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>

#include "shell/window_showing.h"

namespace {

QLabel* PlaceImage(QWidget* parent, QPoint topLeft)
{
    auto* image = new QLabel(parent);
    image->setGeometry(QRect(topLeft, QSize(50, 50)));
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return image;
}

void ShowPicture(QLabel* image, const QImage& picture)
{
    image->resize(picture.size());
    image->setPixmap(QPixmap::fromImage(picture));
}

} // namespace

TForm5::TForm5(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form5"));
    dds::MakeSecondaryWindow(*this, {});
    setWindowTitle(QStringLiteral("Form5"));
    resize(1195, 675);
    Image2 = PlaceImage(this, {8, 8});
    Image1 = PlaceImage(this, {8, 336});
}

void TForm5::ShowTransferPictures(const QImage& waveform, const QImage& stretched)
{
    ShowPicture(Image2, waveform);
    ShowPicture(Image1, stretched);
}
