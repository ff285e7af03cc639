#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>

namespace vexamat {

// Runs the built vexamat-cli as a user would from a shell, and gives back what the user would
// see: the exit code and the two output streams.
class CliRunner {
public:
    struct Options {
        QString workingDirectory; // empty: the test's own
        QByteArray input;         // written to standard input, which is then closed
        std::chrono::milliseconds timeout{60000};
    };

    struct Result {
        // The exit code; -1 when the program did not start, crashed or ran past the timeout.
        int exitCode = -1;
        QByteArray standardOutput;
        QByteArray standardError;
        // Why there is no exit code, for the test's failure message; empty when it ended.
        QString problem;

        QString out() const { return QString::fromUtf8(standardOutput); }
        QString err() const { return QString::fromUtf8(standardError); }
    };

    static Result run(const QStringList& arguments, const Options& options);
    static Result run(const QStringList& arguments) { return run(arguments, Options()); }
    // Where the built program is.
    static QString program();
};

} // namespace vexamat
