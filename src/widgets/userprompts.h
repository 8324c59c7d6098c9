// The file dialogs and message boxes the application asks through, so flows can run unattended in tests.
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

namespace trellon {

constexpr const char* applicationCaption = "Trellon";

class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    // A file to open; empty when cancelled.
    virtual QString chooseFileToOpen(QWidget* parent, const QString& filter) = 0;
    // A file to save; the dialog asks before overwriting. Empty when cancelled.
    virtual QString chooseFileToSave(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                                     const QString& proposedPath = {}) = 0;
    // A file to save for a caller that asks about an existing file itself, so the dialog does not.
    virtual QString chooseFileToSaveUnconfirmed(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                                                const QString& proposedPath = {})
    {
        return chooseFileToSave(parent, filter, defaultSuffix, proposedPath);
    }
    // A message with an OK button; details, such as the system's own words for a failure, show on request.
    virtual void showMessage(QWidget* parent, const QString& text, QMessageBox::Icon icon = QMessageBox::Information,
                             const QString& caption = QString::fromLatin1(applicationCaption),
                             const QString& details = QString()) = 0;
    // A question; returns the button chosen.
    virtual QMessageBox::StandardButton ask(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
                                            QMessageBox::Icon icon = QMessageBox::Question) = 0;
    // A question with answers of its own words; returns the index of the answer chosen, `escapeAnswer` when the
    // question is closed without one.
    virtual int choose(QWidget* parent, const QString& text, const QStringList& answers, int escapeAnswer) = 0;
};

// The real dialogs.
class DialogPrompts final : public UserPrompts {
public:
    QString chooseFileToOpen(QWidget* parent, const QString& filter) override;
    QString chooseFileToSave(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                             const QString& proposedPath) override;
    QString chooseFileToSaveUnconfirmed(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                                        const QString& proposedPath) override;
    void showMessage(QWidget* parent, const QString& text, QMessageBox::Icon icon, const QString& caption,
                     const QString& details) override;
    QMessageBox::StandardButton ask(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::Icon icon) override;
    int choose(QWidget* parent, const QString& text, const QStringList& answers, int escapeAnswer) override;
};

} // namespace trellon
