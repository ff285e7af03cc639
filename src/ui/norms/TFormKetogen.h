#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormKetogen : public FormBase {
    Q_OBJECT
public:
    TFormKetogen(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
