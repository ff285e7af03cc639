#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormKolhkvot : public FormBase {
    Q_OBJECT
public:
    TFormKolhkvot(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
