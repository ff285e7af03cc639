#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormsiffror : public FormBase {
    Q_OBJECT
public:
    TFormsiffror(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
