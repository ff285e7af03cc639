#pragma once

#include "ui/Dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

namespace vexamat {

// Dialogs for tests: records every text shown and gives the answers queued beforehand.
// A question with no queued answer fails the test through an empty answer queue check.
class ScriptedDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& text, Icon icon) override;
    Answer question(QWidget* parent, const QString& text, Buttons buttons) override;
    std::optional<QString> inputText(QWidget* parent, const QString& caption, const QString& prompt,
                                     const QString& initial, bool password) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& dir,
                         const QString& filter) override;

    void queueAnswer(Answer answer) { m_answers.push_back(answer); }
    void queueInput(std::optional<QString> text) { m_inputs.push_back(std::move(text)); }
    void queueFileName(const QString& path) { m_fileNames.push_back(path); }

    QStringList messages;    // every message text, in order
    QStringList questions;   // every question text, in order
    QStringList prompts;     // caption and prompt of every input box
    QStringList fileDialogs; // title of every file dialog
    int unansweredQuestions = 0;

private:
    std::deque<Answer> m_answers;
    std::deque<std::optional<QString>> m_inputs;
    std::deque<QString> m_fileNames;
};

} // namespace vexamat
