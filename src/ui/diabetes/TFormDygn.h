#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormDygn : public FormBase {
    Q_OBJECT
public:
    TFormDygn(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
