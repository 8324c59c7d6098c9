// The real file dialogs and message boxes.
#include "userprompts.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QPushButton>

namespace trellon {

namespace {

QString fileToSave(QWidget* parent, const QString& filter, const QString& defaultSuffix, const QString& proposedPath,
                   QFileDialog::Options options)
{
    QFileDialog dialog(parent, QString(), proposedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOptions(dialog.options() | options);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

} // namespace

QString DialogPrompts::chooseFileToOpen(QWidget* parent, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

QString DialogPrompts::chooseFileToSave(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                                        const QString& proposedPath)
{
    return fileToSave(parent, filter, defaultSuffix, proposedPath, {});
}

QString DialogPrompts::chooseFileToSaveUnconfirmed(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                                                   const QString& proposedPath)
{
    return fileToSave(parent, filter, defaultSuffix, proposedPath, QFileDialog::DontConfirmOverwrite);
}

void DialogPrompts::showMessage(QWidget* parent, const QString& text, QMessageBox::Icon icon, const QString& caption,
                                const QString& details)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.setDetailedText(details);
    box.exec();
}

QMessageBox::StandardButton DialogPrompts::ask(QWidget* parent, const QString& text,
                                               QMessageBox::StandardButtons buttons, QMessageBox::Icon icon)
{
    QMessageBox box(icon, QString::fromLatin1(applicationCaption), text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

int DialogPrompts::choose(QWidget* parent, const QString& text, const QStringList& answers, int escapeAnswer)
{
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(applicationCaption), text, QMessageBox::NoButton,
                    parent);
    QList<QAbstractButton*> buttons;
    for (const QString& answer : answers)
        buttons << box.addButton(answer, QMessageBox::AcceptRole);
    if (escapeAnswer >= 0 && escapeAnswer < buttons.size())
        box.setEscapeButton(buttons[escapeAnswer]);
    if (!buttons.isEmpty())
        box.setDefaultButton(static_cast<QPushButton*>(buttons.front()));
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return chosen >= 0 ? static_cast<int>(chosen) : escapeAnswer;
}

} // namespace trellon
