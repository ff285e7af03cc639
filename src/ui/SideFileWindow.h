#pragma once

#include "core/files/RegistrationDocument.h"

#include <QString>

namespace vexamat {

// A norm window whose inputs are saved with a registration in a side file. The main window
// hands each one to the registration document once every window exists.
class SideFileWindow {
public:
    virtual ~SideFileWindow() = default;
    // The norm kind whose registrations carry the file ("personnorm", ...).
    virtual QString sideFileNormKind() const = 0;
    virtual RegistrationDocument::SideFileHandler sideFileHandler() = 0;
};

} // namespace vexamat
