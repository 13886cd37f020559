#pragma once
#include <QWidget>

class QImage;
class QLabel;

// The work window of the transfer: the waveform picture and its copy stretched to the sample count.
class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    // Each image takes the size of its picture.
    void ShowTransferPictures(const QImage& waveform, const QImage& stretched);

    QLabel* Image2;
    QLabel* Image1;
};
