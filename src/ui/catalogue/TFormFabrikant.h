#pragma once

#include "ui/catalogue/FoodTableEditor.h"

namespace vexamat {

// The manufacturers' products (fabrikant).
class TFormFabrikant : public FoodTableEditor {
    Q_OBJECT
public:
    TFormFabrikant(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
