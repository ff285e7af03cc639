#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormFettStapel : public FormBase {
    Q_OBJECT
public:
    TFormFettStapel(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
