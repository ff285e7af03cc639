#pragma once

#include <QString>

#include <memory>

class QTextStream;

namespace vexamat {
struct AppState;
}

// Opens a saved registration for an export as the program opens it: the data folder, its
// tables, names and start norm, the .norm beside the file, the file itself and the nutrient
// selection of nvval.txt, and runs the calculation. Missing foods are listed on err; on a
// failure the reason is written there after the command's name and nullptr returned.
std::unique_ptr<vexamat::AppState> openExportRegistration(const QString& path,
                                                          const QString& dataDir,
                                                          const char* command, QTextStream& err);
