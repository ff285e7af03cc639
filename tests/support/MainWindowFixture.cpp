#include "support/MainWindowFixture.h"

#include "ui/app/TForm1.h"

namespace vexamat {

MainWindowFixture::MainWindowFixture() : state(std::make_unique<AppState>()) {
    state->DataDir = data.path();
    m_windows = std::make_unique<WindowSet>(*state, dialogs);
    m_result = m_windows->create();
}

MainWindowFixture::~MainWindowFixture() {
    m_windows.reset();
}

} // namespace vexamat
