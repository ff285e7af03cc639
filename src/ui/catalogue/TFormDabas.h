#pragma once

#include "ui/catalogue/FoodTableEditor.h"

namespace vexamat {

// The producers' products (dabas), with a note on the quality of their values.
class TFormDabas : public FoodTableEditor {
    Q_OBJECT
public:
    TFormDabas(AppState& state, Windows& windows, Dialogs& dialogs);

    QPlainTextEdit* Memo2 = nullptr;
};

} // namespace vexamat
