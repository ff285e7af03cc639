#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormStatistik : public FormBase {
    Q_OBJECT
public:
    TFormStatistik(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
