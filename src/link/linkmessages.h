// The fixed message texts of the links, and the interface through which they reach the user.
#pragma once

#include <string_view>

namespace trellon {

struct LinkMessage {
    std::string_view caption;
    std::string_view text;
    bool error = false;
};

constexpr std::string_view linkApplicationCaption = "Trellon";
constexpr std::string_view usbLinkCaption = "DEBUG372";

constexpr LinkMessage transferFinishedMessage{linkApplicationCaption, "数据传输结束", false};
constexpr LinkMessage serialPortNotOpenedMessage{linkApplicationCaption, "不能打开串口!", false};
constexpr LinkMessage usbDeviceNotOpenedMessage{usbLinkCaption, "打开设备失败！", true};
constexpr LinkMessage usbPipesNotOpenedMessage{usbLinkCaption, "无法打开设备！", true};
constexpr LinkMessage usbReaderNotStartedMessage{usbLinkCaption, "端点2线程启动失败", true};
constexpr LinkMessage usbSendFailedMessage{usbLinkCaption, "端点2下传失败！如果设备断开过那么请先关闭本程序", true};

// Implemented by the transfer dialog (a message box with an OK button) and by the command line (a line
// on stderr). USB messages come from the reader thread; the call returns once the user has seen the
// message, and an implementation that waits for its UI thread must not be joined from there.
class LinkMessages {
public:
    virtual ~LinkMessages() = default;
    virtual void showLinkMessage(const LinkMessage& message) = 0;
};

} // namespace trellon
