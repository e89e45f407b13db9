// What the safe-file store makes of what a records format read: each format
// says read, notOurs, damaged or newerVersion.
#pragma once

#include "safefile/store.h"

namespace records {

template <typename Outcome> safefile::Verdict verdictOf(Outcome outcome)
{
    switch (outcome) {
    case Outcome::read: return safefile::Verdict::ours;
    case Outcome::notOurs: return safefile::Verdict::notOurs;
    case Outcome::damaged: return safefile::Verdict::damaged;
    case Outcome::newerVersion: return safefile::Verdict::newerVersion;
    }
    return safefile::Verdict::damaged;
}

} // namespace records
