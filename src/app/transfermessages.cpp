// The dialog's fixed texts for each outcome; the system's detail goes into the message's details.
#include "transfermessages.h"

#include "widgets/userprompts.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

namespace trellon {
namespace {

constexpr const char* usbLinkCaption = "DEBUG372";

// The dialog's own context, where the translation finds these texts.
struct TransferTexts {
    Q_DECLARE_TR_FUNCTIONS(TransferDialog)
};

QString detailOf(const std::optional<Error>& error)
{
    return error ? QString::fromStdString(error->describe()) : QString();
}

TransferMessage usbLinkFailure(const char* text, const TransferReport& report)
{
    return {QCoreApplication::translate("TransferDialog", text), QMessageBox::Critical,
            QString::fromLatin1(usbLinkCaption), detailOf(report.detail)};
}

TransferMessage message(const QString& text, QMessageBox::Icon icon, const std::optional<Error>& detail)
{
    return {text, icon, QString::fromLatin1(applicationCaption), detailOf(detail)};
}

} // namespace

QString endOfTransferText(const std::optional<TransferSummary>& arrived)
{
    QString text = TransferTexts::tr("数据传输结束");
    if (!arrived || arrived->memberCount() == 0)
        return text;
    QStringList lines{TransferTexts::tr("共收到 %1 个构件：").arg(arrived->memberCount())};
    if (arrived->singlePointMembers > 0)
        lines << TransferTexts::tr("单点测试 %1 个，读数 %2 个")
                     .arg(arrived->singlePointMembers)
                     .arg(arrived->singlePointReadings);
    if (arrived->sectionMembers > 0)
        lines << TransferTexts::tr("剖面测试 %1 个，钢筋 %2 根").arg(arrived->sectionMembers).arg(arrived->sectionBars);
    if (arrived->gridMembers > 0)
        lines << TransferTexts::tr("网格测试 %1 个，钢筋 %2 根").arg(arrived->gridMembers).arg(arrived->gridBars);
    if (arrived->otherMembers > 0)
        lines << TransferTexts::tr("测试方式不明 %1 个").arg(arrived->otherMembers);
    return text + QStringLiteral("\n\n") + lines.join(QLatin1Char('\n'));
}

std::vector<TransferMessage> outcomeMessages(const TransferReport& report)
{
    std::vector<TransferMessage> messages;
    if (report.frameArrived() && report.rawStreamNotWritten) {
        const QString rawPath = QFile::decodeName(report.rawFilePath.c_str());
        messages.push_back(message(TransferTexts::tr("原始数据文件%1写入失败!").arg(rawPath), QMessageBox::Warning,
                                   report.rawStreamNotWritten));
    }
    const QString filePath = QFile::decodeName(report.receivedFilePath.c_str());
    switch (report.outcome) {
    case TransferOutcome::completed:
    case TransferOutcome::cancelled:
    case TransferOutcome::linkClosed:
        break;
    case TransferOutcome::cannotOpenPort:
        messages.push_back(message(TransferTexts::tr("不能打开串口!"), QMessageBox::Information, report.detail));
        break;
    case TransferOutcome::portLost:
        messages.push_back(
            message(TransferTexts::tr("串口已断开，数据传输中断!"), QMessageBox::Warning, report.detail));
        break;
    case TransferOutcome::cannotOpenDevice:
        messages.push_back(usbLinkFailure(QT_TRANSLATE_NOOP("TransferDialog", "打开设备失败！"), report));
        break;
    case TransferOutcome::cannotOpenPipes:
        messages.push_back(usbLinkFailure(QT_TRANSLATE_NOOP("TransferDialog", "无法打开设备！"), report));
        break;
    case TransferOutcome::readerNotStarted:
        messages.push_back(usbLinkFailure(QT_TRANSLATE_NOOP("TransferDialog", "端点2线程启动失败"), report));
        break;
    case TransferOutcome::deviceVanished:
        messages.push_back(usbLinkFailure(
            QT_TRANSLATE_NOOP("TransferDialog", "端点2下传失败！如果设备断开过那么请先关闭本程序"), report));
        break;
    case TransferOutcome::stalled:
    case TransferOutcome::notAFrame:
    case TransferOutcome::memoryEnded:
        messages.push_back(message(TransferTexts::tr("数据传输中断!"), QMessageBox::Warning, report.detail));
        break;
    case TransferOutcome::frameRefused:
        messages.push_back(
            message(TransferTexts::tr("接收的数据无法识别，未写入数据文件。"), QMessageBox::Warning, report.detail));
        break;
    case TransferOutcome::noMembers:
        // An empty memory would only replace the loaded project with nothing.
        messages.push_back(
            message(TransferTexts::tr("仪器中没有构件数据，未写入数据文件。"), QMessageBox::Information, {}));
        break;
    case TransferOutcome::cannotWriteReceivedFile:
        messages.push_back(
            message(TransferTexts::tr("数据文件%1写入失败!").arg(filePath), QMessageBox::Warning, report.detail));
        break;
    }
    return messages;
}

} // namespace trellon
