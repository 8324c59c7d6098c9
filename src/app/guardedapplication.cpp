#include "guardedapplication.h"

#include "widgets/userprompts.h"

#include <QMessageBox>

#include <exception>
#include <new>

namespace trellon {

bool deliverGuarded(const std::function<bool()>& deliver, const std::function<void(const QString&)>& report)
{
    try {
        return deliver();
    } catch (const std::bad_alloc&) {
        report(QApplication::translate("GuardedApplication", "内存不足，操作未能完成。"));
    } catch (const std::exception& error) {
        report(QApplication::translate("GuardedApplication", "操作未能完成：%1")
                   .arg(QString::fromLocal8Bit(error.what())));
    }
    return false;
}

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event)
{
    return deliverGuarded([&] { return QApplication::notify(receiver, event); },
                          [this](const QString& text) {
                              if (reporting_)
                                  return;
                              reporting_ = true;
                              QMessageBox::critical(activeWindow(), QString::fromLatin1(applicationCaption), text);
                              reporting_ = false;
                          });
}

} // namespace trellon
