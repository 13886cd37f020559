#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace dds {

// What the main window's hidden diagnostic controls show after a transfer's picture work.
struct TransferTexts {
    QStringList sampleLines; // the sample list: one decimal line per byte, in column order
    QString imageWidth;      // "Largeur de IMAGE1= " and the stretched width
    QString lineCount;       // "Nbre ligne dans ListBox2= " and the number of lines
    QString blockCount;      // the number of full 62-byte blocks
    QString blockBytes;      // the lines counted by whole blocks; shown only when blocks are sent
};

TransferTexts MakeTransferTexts(const std::vector<uint8_t>& samples);

} // namespace dds
