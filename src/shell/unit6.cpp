#include "shell/unit6.h"

#include <QPixmap>

#include "shell/click_label.h"
#include "shell/error_reporter.h"
#include "shell/secondary_artwork.h"
#include "shell/web_addresses.h"
#include "shell/window_showing.h"
#include "widgets/pixel_font.h"

namespace {

enum class LineClick { Close, MakerSite, TranslatorSite };

struct AboutLine {
    dds::ClickLabel* TForm6::*member;
    QPoint topLeft;
    Qt::GlobalColor colour;
    int pixelHeight;
    bool underlined;
    const char* text;
    LineClick click;
};

const AboutLine kAboutLines[] = {
    {&TForm6::RxLabel2, {165, 400}, Qt::red, 21, false, "Générateur de fonctions", LineClick::Close},
    {&TForm6::RxLabel3, {184, 424}, Qt::red, 21, false, "de formes arbitraires", LineClick::Close},
    {&TForm6::RxLabel4, {112, 448}, Qt::red, 21, false, "à synthèse numérique directe (DDS).",
     LineClick::Close},
    {&TForm6::RxLabel5, {24, 480}, Qt::darkGray, 17, false,
     "Le générateur et son logiciel sont destinés à un usage", LineClick::Close},
    {&TForm6::RxLabel6, {88, 504}, Qt::darkGray, 17, false, "personnel ou éducatif, sans garantie.",
     LineClick::Close},
    {&TForm6::RxLabel7, {8, 528}, Qt::yellow, 16, false,
     "Version du 8 décembre 2026 - Tous droits réservés.", LineClick::Close},
    {&TForm6::RxLabel1, {464, 552}, Qt::yellow, 16, false, "Version 1.3", LineClick::Close},
    {&TForm6::RxLabel8, {8, 552}, Qt::yellow, 16, true, dds::kMakerWebSite, LineClick::MakerSite},
    {&TForm6::RxLabel9, {48, 576}, Qt::magenta, 17, true,
     "Vielen Dank für die deutsche Übersetzung!", LineClick::TranslatorSite},
};

QFont BoldArial(int pixelHeight, bool underlined)
{
    QFont font = dds::PixelFont(QStringLiteral("Arial"), pixelHeight, true);
    font.setUnderline(underlined);
    return font;
}

} // namespace

TForm6::TForm6(dds::UrlOpener openUrl, dds::ErrorReporter errorReporter, QWidget* parent)
    : QWidget(parent), openUrl_(std::move(openUrl)), errorReporter_(std::move(errorReporter))
{
    setObjectName(QStringLiteral("Form6"));
    dds::RegisterArtwork();
    dds::MakeFixedFrameless(*this, 562, 599);
    Image1 = new dds::ClickLabel(this);
    Image1->setGeometry(rect());
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap(QString::fromLatin1(dds::kAboutPicture)));
    errorReporter_.ConnectGuarded(Image1, &dds::ClickLabel::clicked, this, &TForm6::Image1Click);
    PlaceLines();
}

void TForm6::PlaceLines()
{
    for (const AboutLine& line : kAboutLines) {
        auto* label = new dds::ClickLabel(this);
        this->*line.member = label;
        label->setText(QString::fromUtf8(line.text));
        label->setFont(BoldArial(line.pixelHeight, line.underlined));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, line.colour);
        label->setPalette(palette);
        label->move(line.topLeft);
        label->adjustSize();
        void (TForm6::*handler)() = line.click == LineClick::MakerSite        ? &TForm6::RxLabel8Click
                                    : line.click == LineClick::TranslatorSite ? &TForm6::RxLabel9Click
                                                                              : &TForm6::Image1Click;
        errorReporter_.ConnectGuarded(label, &dds::ClickLabel::clicked, this, handler);
    }
}

void TForm6::Image1Click()
{
    dds::HideToNormal(*this);
}

void TForm6::RxLabel8Click()
{
    dds::OpenWebAddress(openUrl_, QUrl(QString::fromLatin1(dds::kMakerWebSite)));
}

void TForm6::RxLabel9Click()
{
    dds::OpenWebAddress(openUrl_, QUrl(QString::fromLatin1(dds::kTranslatorWebSite)));
}
