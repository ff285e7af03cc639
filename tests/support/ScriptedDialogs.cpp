#include "support/ScriptedDialogs.h"

#include <QTest>

namespace vexamat {

namespace {

QString answerName(Dialogs::Answer answer) {
    switch (answer) {
    case Dialogs::Answer::Yes:
        return QStringLiteral("Yes");
    case Dialogs::Answer::No:
        return QStringLiteral("No");
    case Dialogs::Answer::Cancel:
        return QStringLiteral("Cancel");
    }
    return {};
}

} // namespace

ScriptedDialogs::~ScriptedDialogs() {
    verifyAllUsed();
}

void ScriptedDialogs::message(QWidget*, const QString& text, Icon) {
    messages << text;
}

Dialogs::Answer ScriptedDialogs::question(QWidget*, const QString& text, Buttons buttons) {
    questions << text;
    if (m_answers.empty()) {
        m_unanswered << QStringLiteral("question \"%1\"").arg(text);
        return buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::No;
    }
    const Answer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::inputText(QWidget*, const QString& caption,
                                                  const QString& prompt, const QString&, bool) {
    prompts << caption + QLatin1Char('|') + prompt;
    if (m_inputs.empty()) {
        m_unanswered << QStringLiteral("input box \"%1|%2\"").arg(caption, prompt);
        return std::nullopt;
    }
    // Read as a flag and a text: GCC warns falsely on copying the optional out of the deque.
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
    if (m_fileNames.empty()) {
        m_unanswered << QStringLiteral("file dialog \"%1\"").arg(title);
        return {};
    }
    const QString path = m_fileNames.front();
    m_fileNames.pop_front();
    return path;
}

QString ScriptedDialogs::saveFileName(QWidget* parent, const QString& title, const QString& dir,
                                      const QString& filter) {
    return openFileName(parent, title, dir, filter);
}

void ScriptedDialogs::verifyAllUsed() {
    QStringList problems;
    for (const QString& dialog : m_unanswered)
        problems << QStringLiteral("no answer was queued for the %1").arg(dialog);
    for (Answer answer : m_answers)
        problems
            << QStringLiteral("the queued answer %1 was never asked for").arg(answerName(answer));
    for (const std::optional<QString>& input : m_inputs)
        problems << QStringLiteral("the queued input %1 was never asked for")
                        .arg(input ? QLatin1Char('"') + *input + QLatin1Char('"')
                                   : QStringLiteral("(cancel)"));
    for (const QString& path : m_fileNames)
        problems << QStringLiteral("the queued file name \"%1\" was never asked for").arg(path);
    m_unanswered.clear();
    m_answers.clear();
    m_inputs.clear();
    m_fileNames.clear();
    if (problems.isEmpty())
        return;
    const QString text = QStringLiteral("Scripted dialogs: ") + problems.join(QStringLiteral("; "));
    // Outside a test function, or after the test already failed, it is told, not failed again.
    if (!QTest::currentTestFunction() || QTest::currentTestFailed())
        qWarning("%s", qPrintable(text));
    else
        QTest::qFail(qPrintable(text), __FILE__, __LINE__);
}

} // namespace vexamat
