#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormDabas : public FormBase {
    Q_OBJECT
public:
    TFormDabas(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
