#include "ui/catalogue/TFormTab.h"

#include "AppState.h"
#include "ui/Windows.h"
#include "ui/app/TForm1.h"

namespace vexamat {

TFormTab::TFormTab(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormTab"));
    setWindowTitle(QStringLiteral("Livsmedelsverkets tabell"));
    resize(600, 400);
    // Start-up is over once this window exists; the program comes up showing the fruits.
    m_state.StartingUp = false;
    if (m_windows.Form1)
        m_windows.Form1->FilterByGroup(QStringLiteral("Frukt"));
}

} // namespace vexamat
