#pragma once

#include "core/norms/NormEstimate.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace vexamat {

struct AppState;

// The norm windows' side files read without a window: each kind's reader computes the
// norm its window would make active from the file's inputs.
class SideFileNorms {
public:
    // Reads the file at path and computes its norm. state supplies the open norm table and
    // the start norm; it is not changed. nullopt with the reason in error when the file
    // cannot be read or holds no usable inputs.
    using Compute = std::function<std::optional<NormEstimate>(
        const QString& path, const AppState& state, QString* error)>;
    struct Entry {
        QString extension; // ".pers", ...
        Compute compute;
    };
    static const std::vector<Entry>& entries();

    // By the file's extension; an unknown extension is an error naming the known ones.
    static std::optional<NormEstimate> compute(const QString& path, const AppState& state,
                                               QString* error);
};

} // namespace vexamat
