#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormHarris : public FormBase {
    Q_OBJECT
public:
    TFormHarris(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
