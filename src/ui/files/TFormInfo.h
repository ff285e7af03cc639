#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormInfo : public FormBase {
    Q_OBJECT
public:
    TFormInfo(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
