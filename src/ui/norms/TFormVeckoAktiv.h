#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormVeckoAktiv : public FormBase {
    Q_OBJECT
public:
    TFormVeckoAktiv(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
