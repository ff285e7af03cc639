#pragma once

#include "ui/FormBase.h"

namespace vexamat {

class TFormAktskapa : public FormBase {
    Q_OBJECT
public:
    TFormAktskapa(AppState& state, Windows& windows, Dialogs& dialogs);
};

} // namespace vexamat
