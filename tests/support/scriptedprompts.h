// Prompts answered from a script, recording what the application asked and said.
#pragma once

#include "widgets/userprompts.h"

#include <QStringList>

#include <deque>

namespace trellon::testing {

class ScriptedPrompts final : public UserPrompts {
public:
    QString chooseFileToOpen(QWidget*, const QString& filter) override
    {
        openFilters << filter;
        return next(filesToOpen);
    }
    QString chooseFileToSave(QWidget*, const QString&, const QString& defaultSuffix,
                             const QString& proposedPath) override
    {
        proposedPaths << proposedPath;
        saveSuffixes << defaultSuffix;
        return next(filesToSave);
    }
    void showMessage(QWidget*, const QString& text, QMessageBox::Icon icon, const QString& caption,
                     const QString& details) override
    {
        messages << text;
        captions << caption;
        messageIcons << icon;
        messageDetails << details;
    }
    QMessageBox::StandardButton ask(QWidget*, const QString& text, QMessageBox::StandardButtons,
                                    QMessageBox::Icon icon) override
    {
        questions << text;
        questionIcons << icon;
        if (answers.empty())
            return QMessageBox::Cancel;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }

    int choose(QWidget*, const QString& text, const QStringList& offered, int escapeAnswer) override
    {
        questions << text;
        answersOffered << offered;
        if (choices.empty())
            return escapeAnswer;
        const int choice = choices.front();
        choices.pop_front();
        return choice;
    }

    // Answers, used in order; an empty queue answers "cancelled".
    std::deque<QString> filesToOpen;
    std::deque<QString> filesToSave;
    std::deque<QMessageBox::StandardButton> answers;
    std::deque<int> choices; // indexes of the answers offered to choose
    QList<QStringList> answersOffered;
    // What the application said and asked.
    QStringList messages;
    QStringList captions;
    QList<QMessageBox::Icon> messageIcons;
    QStringList messageDetails; // empty where a message has none
    QStringList questions;
    QList<QMessageBox::Icon> questionIcons;
    QStringList proposedPaths; // what each save dialog proposed
    QStringList saveSuffixes;  // and the suffix it adds
    QStringList openFilters;   // what each open dialog offered

private:
    static QString next(std::deque<QString>& queue)
    {
        if (queue.empty())
            return {};
        QString value = queue.front();
        queue.pop_front();
        return value;
    }
};

} // namespace trellon::testing
