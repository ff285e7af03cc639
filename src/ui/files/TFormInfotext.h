#pragma once

#include "ui/FormBase.h"

#include <array>

class QButtonGroup;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;

namespace vexamat {

// The editor of the 32 advice texts kept in info.txt.
class TFormInfotext : public FormBase {
    Q_OBJECT
public:
    TFormInfotext(AppState& state, Windows& windows, Dialogs& dialogs);

    void FormCreate();
    void RadioGroup1Click();
    void Button1Click();

    QGroupBox* RadioGroup1 = nullptr;
    QButtonGroup* radioButtons = nullptr;   // the 32 items of RadioGroup1
    std::array<QPlainTextEdit*, 32> Memo{}; // Memo1..Memo32 at 0..31
    QPushButton* Button1 = nullptr;
};

} // namespace vexamat
