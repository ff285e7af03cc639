#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace vexamat {

// Every message box, question, input box and file dialog of the program goes through this
// interface, so that tests can answer them.
class Dialogs {
public:
    enum class Icon { Information, Warning, Error };
    enum class Buttons { YesNo, YesNoCancel };
    enum class Answer { Yes, No, Cancel };

    virtual ~Dialogs() = default;

    virtual void message(QWidget* parent, const QString& text, Icon icon = Icon::Information) = 0;
    virtual Answer question(QWidget* parent, const QString& text,
                            Buttons buttons = Buttons::YesNo) = 0;
    // The typed text, or std::nullopt when the user cancelled.
    virtual std::optional<QString> inputText(QWidget* parent, const QString& caption,
                                             const QString& prompt, const QString& initial = {},
                                             bool password = false) = 0;
    // The chosen file, or an empty text when the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                                 const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& title, const QString& dir,
                                 const QString& filter) = 0;
};

} // namespace vexamat
