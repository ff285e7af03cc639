#include "support/ScriptedDialogs.h"

namespace vexamat {

void ScriptedDialogs::message(QWidget*, const QString& text, Icon) {
    messages << text;
}

Dialogs::Answer ScriptedDialogs::question(QWidget*, const QString& text, Buttons buttons) {
    questions << text;
    if (m_answers.empty()) {
        ++unansweredQuestions;
        return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
    }
    const Answer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::inputText(QWidget*, const QString& caption,
                                                  const QString& prompt, const QString&, bool) {
    prompts << caption + QLatin1Char('|') + prompt;
    if (m_inputs.empty())
        return std::nullopt;
    const bool given = m_inputs.front().has_value();
    const QString text = m_inputs.front().value_or(QString());
    m_inputs.pop_front();
    if (!given)
        return std::nullopt;
    return text;
}

QString ScriptedDialogs::openFileName(QWidget*, const QString& title, const QString&,
                                      const QString&) {
    fileDialogs << title;
    if (m_fileNames.empty())
        return {};
    const QString path = m_fileNames.front();
    m_fileNames.pop_front();
    return path;
}

QString ScriptedDialogs::saveFileName(QWidget* parent, const QString& title, const QString& dir,
                                      const QString& filter) {
    return openFileName(parent, title, dir, filter);
}

} // namespace vexamat
