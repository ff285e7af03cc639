#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class Tformnvval : public FormBase {
    Q_OBJECT
public:
    Tformnvval(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
