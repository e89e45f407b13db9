// The progress file: UTF-8 text, one record a line, described in
// docs/drill-progress.md. The reader accepts only what the writer writes.
#pragma once

#include "drill/progress.h"

#include <string>
#include <string_view>

namespace drill {

inline constexpr int kProgressFormatVersion = 1;
// Every progress file begins so, whatever its version.
inline constexpr std::string_view kProgressHeader = "reachme drill progress\n";

std::string writeProgress(const Progress &progress);

// Appends the last line, which seals everything before it with a checksum;
// the writer's last step.
void seal(std::string &body);

struct ReadProgress {
    enum class Outcome {
        read, // `progress` holds the file
        notOurs, // not a progress file at all
        damaged, // ours, but cut short or changed
        newerVersion, // ours, from a later format; `version` says which
    };
    Outcome outcome = Outcome::notOurs;
    int version = 0;
    Progress progress;
};

ReadProgress readProgress(std::string_view bytes);

} // namespace drill
