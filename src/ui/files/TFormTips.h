#pragma once

#include "ui/FormBase.h"

class QPlainTextEdit;

namespace vexamat {

// "Goda råd": a comment memo that nothing fills yet.
class TFormTips : public FormBase {
    Q_OBJECT
public:
    TFormTips(AppState& state, Windows& windows, Dialogs& dialogs);

    QPlainTextEdit* MemoKommentar = nullptr;
};

} // namespace vexamat
