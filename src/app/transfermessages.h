// What the transfer dialog tells the user at the end of a transfer, in the system's words.
#pragma once

#include "link/transferreport.h"
#include "transfersummary.h"

#include <QMessageBox>
#include <QString>

#include <optional>
#include <vector>

namespace trellon {

// One message box: the text in the system's words, the system's own detail behind "显示详细信息".
struct TransferMessage {
    QString text;
    QMessageBox::Icon icon = QMessageBox::Information;
    QString caption;
    QString details;
};

// "数据传输结束", followed by what arrived per test mode when the frame could be unpacked.
QString endOfTransferText(const std::optional<TransferSummary>& arrived);

// The messages for how a transfer ended, in order: none for a cancel; one for a failure, with the system's
// detail; a warning for a raw stream that could not be kept before the outcome's own message.
std::vector<TransferMessage> outcomeMessages(const TransferReport& report);

} // namespace trellon
