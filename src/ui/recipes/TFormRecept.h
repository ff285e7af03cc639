#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormRecept : public FormBase {
    Q_OBJECT
public:
    TFormRecept(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
