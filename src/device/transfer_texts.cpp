#include "device/transfer_texts.h"

#include "device/transfer_layout.h"

namespace dds {

TransferTexts MakeTransferTexts(const std::vector<uint8_t>& samples)
{
    const TransferLayout layout = LayoutFor(static_cast<int>(samples.size()));
    TransferTexts texts;
    texts.sampleLines.reserve(static_cast<qsizetype>(samples.size()));
    for (uint8_t sample : samples)
        texts.sampleLines.append(QString::number(sample));
    texts.imageWidth = QStringLiteral("Largeur de IMAGE1= ") + QString::number(samples.size());
    texts.lineCount = QStringLiteral("Nbre ligne dans ListBox2= ") + QString::number(texts.sampleLines.size());
    texts.blockCount = QString::number(layout.blocks);
    texts.blockBytes = QStringLiteral("Nbre de lignes dans la ListBox2 comptées par blocs de 62 octets: ")
                       + QString::number(layout.blocks * kBlockSize);
    return texts;
}

} // namespace dds
