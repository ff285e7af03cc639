#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormMailIndy : public FormBase {
    Q_OBJECT
public:
    TFormMailIndy(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
