// The wait cursor for as long as the guard lives, e.g. while a report is written.
#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace trellon {

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace trellon
