// The application object: an exception escaping an event handler (memory running out while a report of a
// damaged project is built, say) is told to the user instead of ending the program with unsaved edits.
#pragma once

#include <QApplication>
#include <QString>

#include <functional>

namespace trellon {

// Runs deliver; an exception it throws is handed to report as a message and counts as an unhandled event.
bool deliverGuarded(const std::function<bool()>& deliver, const std::function<void(const QString&)>& report);

class GuardedApplication final : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    bool reporting_ = false; // a failure while the message is shown is not reported again
};

} // namespace trellon
