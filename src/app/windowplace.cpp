// The main window's place.
#include "windowplace.h"

#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QStyle>

namespace trellon {

namespace {

const QString geometryKey = QStringLiteral("MainWindow/geometry");
const QString stateKey = QStringLiteral("MainWindow/state");

} // namespace

void restoreDockPlaces(QMainWindow& window, const QSettings& settings)
{
    window.restoreState(settings.value(stateKey).toByteArray());
}

bool restoreWindowPlace(QMainWindow& window, const QSettings& settings)
{
    const QByteArray geometry = settings.value(geometryKey).toByteArray();
    return !geometry.isEmpty() && window.restoreGeometry(geometry);
}

void showAtStart(QMainWindow& window, const QSettings& settings)
{
    if (restoreWindowPlace(window, settings)) {
        window.show();
        return;
    }
    if (const QScreen* screen = window.screen()) {
        const QRect available = screen->availableGeometry();
        const QSize most = available.size() * 9 / 10;
        window.setGeometry(QStyle::alignedRect(window.layoutDirection(), Qt::AlignCenter, most, available));
    }
    window.showMaximized();
}

void saveWindowPlace(const QMainWindow& window, QSettings& settings)
{
    settings.setValue(geometryKey, window.saveGeometry());
    settings.setValue(stateKey, window.saveState());
}

} // namespace trellon
