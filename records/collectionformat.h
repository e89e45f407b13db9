// The collection's file: UTF-8 text, one collected pattern a line in the
// order of their numbers, the format's version second and a checksum line
// last (docs/records.md). The reader takes only what the writer writes.
#pragma once

#include "records/collection.h"

#include <string>
#include <string_view>

namespace records {

inline constexpr int kCollectionFormatVersion = 1;
// Every collection file begins so, whatever its version.
inline constexpr std::string_view kCollectionHeader = "reachme reach-me collection\n";

std::string writeCollection(const ReachMeCollection &collection);

// Appends the last line, which seals everything before it with a checksum;
// the writer's last step.
void sealCollection(std::string &body);

struct ReadCollection {
    enum class Outcome {
        read, // `collection` holds the file
        notOurs, // not a collection at all
        damaged, // ours, but cut short or changed
        newerVersion, // ours, from a later format; `version` says which
    };
    Outcome outcome = Outcome::notOurs;
    int version = 0;
    std::string reason; // one line for the player, unless read
    ReachMeCollection collection;
};

ReadCollection readCollection(std::string_view text);

} // namespace records
