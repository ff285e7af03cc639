#pragma once

class QWidget;

namespace vexamat {

// The main window's two layouts written as data: which controls the simple layout (a food
// diary) and the extended layout (the analysis) show. The panels place their controls;
// this says only which of them are shown. Controls not named here keep what their panel
// gave them.
class MainLayout {
public:
    static void apply(QWidget& window, bool extended);
    // The help texts shown when the mouse rests on a control ("Visa hjälptexter").
    static void setHints(QWidget& window, bool on);
};

} // namespace vexamat
