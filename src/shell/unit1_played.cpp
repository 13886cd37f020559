// What the generator will really play: the bytes a transfer would send for the current table,
// range and frequency, drawn over the plot as a staircase. Off until the operator asks.
#include <QFrame>
#include <QKeySequence>
#include <QPainter>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "device/transfer_preview.h"
#include "editor/graph_xy.h"
#include "editor/step_trace.h"
#include "shell/error_reporter.h"
#include "shell/language_texts.h"
#include "shell/unit1.h"

namespace {

// Apart from the yellow curve, the white centre line and the sky-blue cursors.
const QColor kPlayedColour(255, 64, 255);

// The button's picture: a staircase in the overlay's colour.
QIcon StaircaseIcon()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(kPlayedColour.darker(130), 2));
    const QPoint steps[] = {{1, 14}, {1, 11}, {5, 11}, {5, 7}, {9, 7}, {9, 3}, {14, 3}};
    painter.drawPolyline(steps, std::size(steps));
    return QIcon(picture);
}

} // namespace

void TForm1::CreatePlayedButton()
{
    auto* divider = new QFrame(ui.ToolBar1);
    divider->setObjectName(QStringLiteral("PlayedDivider"));
    divider->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    divider->setFixedSize(8, 23);
    ui.ToolBar1->addWidget(divider);
    PlayedButton = new QToolButton(ui.ToolBar1);
    PlayedButton->setObjectName(QStringLiteral("PlayedButton"));
    PlayedButton->setFixedSize(31, 23);
    PlayedButton->setCheckable(true);
    PlayedButton->setIcon(StaircaseIcon());
    PlayedButton->setCursor(Qt::PointingHandCursor);
    PlayedButton->setAutoRaise(true);
    ui.ToolBar1->addWidget(PlayedButton);
    errorReporter.ConnectGuarded(PlayedButton, &QToolButton::clicked, this, &TForm1::PlayedButtonClick);
    connect(new QShortcut(QKeySequence(Qt::Key_P), this), &QShortcut::activated, PlayedButton, &QToolButton::click);

    playedTimer_ = new QTimer(this);
    playedTimer_->setSingleShot(true);
    playedTimer_->setInterval(0);
    errorReporter.ConnectGuarded(playedTimer_, &QTimer::timeout, this, &TForm1::UpdatePlayedOverlay);
    ApplyAdditionTexts();
}

void TForm1::ApplyAdditionTexts()
{
    const dds::LanguageTexts* texts = dds::TextsForLanguage(state.languageCode);
    if (PlayedButton && texts) {
        PlayedButton->setToolTip(QString::fromUtf8(texts->additions.playedHint));
        PlayedInputsChanged(); // the noise corner speaks the interface language
    }
    ShowRemoteStatus();
}

void TForm1::PlayedButtonClick()
{
    state.playedOverlayShown = PlayedButton->isChecked();
    if (state.playedOverlayShown)
        UpdatePlayedOverlay();
    else
        ui.GraphXY1->ClearOverlay();
}

void TForm1::PlayedInputsChanged()
{
    if (state.playedOverlayShown)
        playedTimer_->start();
}

void TForm1::UpdatePlayedOverlay()
{
    if (!state.playedOverlayShown)
        return;
    // White noise is the generator's own: a transfer sends no samples for it.
    if (state.waveformKind == static_cast<int32_t>(dds::WaveformKind::WhiteNoise)) {
        ui.GraphXY1->SetOverlay({}, kPlayedColour,
                                QString::fromUtf8(dds::MessageTexts(state.languageCode).additions.noiseCorner));
        return;
    }
    const int count = state.frequencyPlan.sampleCount;
    // The count, and what it makes the generator play at the range clock.
    const QString corner = count < 1
                               ? QStringLiteral("N = %1").arg(count)
                               : QStringLiteral("N = %1 · %2")
                                     .arg(count)
                                     .arg(QString::fromStdString(dds::PlayedFrequencyText(state.frequencyPlan, 1)));
    if (count < 1) {
        ui.GraphXY1->SetOverlay({}, kPlayedColour, corner);
        return;
    }
    ui.GraphXY1->SetOverlay(dds::StepTracePoints(dds::PlayedBytes(state.waveformTable, count)), kPlayedColour, corner);
}
