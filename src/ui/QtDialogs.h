#pragma once

#include "ui/Dialogs.h"

namespace vexamat {

// The desktop program's dialogs: Qt's message boxes, input dialogs and file dialogs.
class QtDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& text, Icon icon) override;
    Answer question(QWidget* parent, const QString& text, Buttons buttons) override;
    std::optional<QString> inputText(QWidget* parent, const QString& caption, const QString& prompt,
                                     const QString& initial, bool password) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                         const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& dir,
                         const QString& filter) override;
};

} // namespace vexamat
