#pragma once

#include <QWidget>

namespace vexamat {

// The small window shown while the program loads.
class TFormLadda : public QWidget {
    Q_OBJECT
public:
    TFormLadda();
};

} // namespace vexamat
