#pragma once

#include "ui/catalogue/FoodTableEditor.h"

namespace vexamat {

// The own foods (egna); "Klar" makes edits reach the food search at once.
class TFormEgna : public FoodTableEditor {
    Q_OBJECT
public:
    TFormEgna(AppState& state, Windows& windows, Dialogs& dialogs);

    void ButtonKlarClick();

    QPushButton* ButtonKlar = nullptr;

protected:
    void unlocked() override;
};

} // namespace vexamat
