#pragma once

#include "ui/catalogue/FoodTableEditor.h"

namespace vexamat {

// The food agency's table livtab100: editing after the configured password, copying a food
// into the own foods, and the (hidden) amino-acid import.
class TFormTab : public FoodTableEditor {
    Q_OBJECT
public:
    TFormTab(AppState& state, Windows& windows, Dialogs& dialogs);

    void Button2Click();     // "Kopiera livsmedel till Egna-tabellen"
    void ButtonAminoClick(); // "Amino"

    QPushButton* Button2 = nullptr;
    QPushButton* ButtonAmino = nullptr;
};

} // namespace vexamat
