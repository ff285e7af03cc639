#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormEgna : public FormBase {
    Q_OBJECT
public:
    TFormEgna(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
