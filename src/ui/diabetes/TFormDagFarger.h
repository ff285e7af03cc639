#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormDagFarger : public FormBase {
    Q_OBJECT
public:
    TFormDagFarger(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
