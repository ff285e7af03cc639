#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormTips : public FormBase {
    Q_OBJECT
public:
    TFormTips(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
