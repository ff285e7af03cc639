#pragma once

#include <QString>

class QTextStream;

namespace vexamat {
class NutrientNames;
}

// Reads nvnamn.txt from the data folder as the program does; false, with the program's
// message on err after the command's name, when the program would refuse it.
bool readNameFile(vexamat::NutrientNames& names, const QString& dataFolder, const char* command,
                  QTextStream& err);
