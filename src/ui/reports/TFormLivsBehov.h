#pragma once

#include "ui/FormBase.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vexamat {

class RadioGroup;

// Writes the food-needs file: how much of each food the registered menu holds, per meal,
// per day and over the period, as a purchase basis for other programs.
class TFormLivsBehov : public FormBase {
    Q_OBJECT
public:
    TFormLivsBehov(AppState& state, Windows& windows, Dialogs& dialogs);

    void ButtonOKClick();

    QPlainTextEdit* Memo1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    RadioGroup* rgrupp1 = nullptr;
    QPushButton* ButtonOK = nullptr;
};

} // namespace vexamat
