#pragma once

#include <QString>

namespace vexamat {

class VexamatDatabase;

// A one-off maintenance step of livtab100: every food's default unit and portion
// ("Enhet", "Portionsstorlek") is copied into its first alternative unit ("enhet1", "port1").
class DefaultUnitCopier {
public:
    // The number of foods changed, or -1 with a message.
    static int copy(const VexamatDatabase& database, QString* error);
};

} // namespace vexamat
