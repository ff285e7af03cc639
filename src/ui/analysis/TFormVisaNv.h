#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormVisaNv : public FormBase {
    Q_OBJECT
public:
    TFormVisaNv(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
