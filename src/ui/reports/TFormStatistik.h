#pragma once

#include "ui/FormBase.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vexamat {

class RadioGroup;

// Writes the registration's selected nutrients to a statistics file, new or added to one,
// per day or in detail. The nutrient selection window is shown beside it and hidden with it.
class TFormStatistik : public FormBase {
    Q_OBJECT
public:
    TFormStatistik(AppState& state, Windows& windows, Dialogs& dialogs);

    void Button1Click();

    QPlainTextEdit* Memo1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    RadioGroup* rgrupp1 = nullptr;
    RadioGroup* rgrupp2 = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override; // FormHide
};

} // namespace vexamat
