#include "ui/FormBase.h"

namespace vexamat {

FormBase::FormBase(AppState& state, Windows& windows, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_state(state), m_windows(windows), m_dialogs(dialogs) {}

} // namespace vexamat
