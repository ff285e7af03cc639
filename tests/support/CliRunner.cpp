#include "support/CliRunner.h"

#include <QProcess>

namespace vexamat {

QString CliRunner::program() {
    return QStringLiteral(VEXAMAT_CLI);
}

CliRunner::Result CliRunner::run(const QStringList& arguments, const Options& options) {
    QProcess process;
    if (!options.workingDirectory.isEmpty())
        process.setWorkingDirectory(options.workingDirectory);
    process.start(program(), arguments);
    Result result;
    if (!process.waitForStarted()) {
        result.problem =
            QStringLiteral("%1 did not start: %2").arg(program(), process.errorString());
        return result;
    }
    if (!options.input.isEmpty())
        process.write(options.input);
    process.closeWriteChannel();
    if (!process.waitForFinished(int(options.timeout.count()))) {
        process.kill();
        process.waitForFinished();
        result.problem = QStringLiteral("vexamat-cli %1 did not end within %2 ms")
                             .arg(arguments.join(QLatin1Char(' ')))
                             .arg(options.timeout.count());
    } else if (process.exitStatus() != QProcess::NormalExit) {
        result.problem =
            QStringLiteral("vexamat-cli %1 crashed").arg(arguments.join(QLatin1Char(' ')));
    } else {
        result.exitCode = process.exitCode();
    }
    result.standardOutput = process.readAllStandardOutput();
    result.standardError = process.readAllStandardError();
    return result;
}

} // namespace vexamat
