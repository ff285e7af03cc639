#pragma once

#include "ui/Dialogs.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

namespace vexamat {

// Dialogs for tests: records every text shown and gives the answers queued beforehand.
// It is strict: a question, input box or file dialog that comes without a queued answer, and
// an answer still queued when the test function ends, fail the test. verifyAllUsed() checks
// both; the destructor checks them too, so a fixture that ends with its test function needs
// no explicit call.
class ScriptedDialogs : public Dialogs {
public:
    ~ScriptedDialogs() override;

    void message(QWidget* parent, const QString& text, Icon icon) override;
    Answer question(QWidget* parent, const QString& text, Buttons buttons) override;
    std::optional<QString> inputText(QWidget* parent, const QString& caption, const QString& prompt,
                                     const QString& initial, bool password) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& dir,
                         const QString& filter) override;

    void queueAnswer(Answer answer) { m_answers.push_back(answer); }
    // std::nullopt: the user cancels the input box.
    void queueInput(std::optional<QString> text) { m_inputs.push_back(std::move(text)); }
    // An empty path: the user cancels the file dialog.
    void queueFileName(const QString& path) { m_fileNames.push_back(path); }

    // Fails the current test when a dialog had no queued answer or an answer is left over,
    // naming each; then forgets them, so that each is reported once.
    void verifyAllUsed();

    QStringList messages;    // every message text, in order
    QStringList questions;   // every question text, in order
    QStringList prompts;     // caption and prompt of every input box, as "caption|prompt"
    QStringList fileDialogs; // title of every file dialog

private:
    QStringList m_unanswered; // dialogs that came with nothing queued for them
    std::deque<Answer> m_answers;
    std::deque<std::optional<QString>> m_inputs;
    std::deque<QString> m_fileNames;
};

} // namespace vexamat
