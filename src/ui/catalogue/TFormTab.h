#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormTab : public FormBase {
    Q_OBJECT
public:
    TFormTab(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
