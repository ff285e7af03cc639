#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormUtskriftsval2 : public FormBase {
    Q_OBJECT
public:
    TFormUtskriftsval2(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
