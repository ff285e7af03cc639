#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormKgKroppsvikt : public FormBase {
    Q_OBJECT
public:
    TFormKgKroppsvikt(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
