#pragma once

namespace vexamat {
struct AppState;
}

// The norm the program starts with, as its norm window sets it at start-up.
void loadStartNorm(vexamat::AppState& state);
