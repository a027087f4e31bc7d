#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/directory_lister.h"
#include "core/generator.h"
#include "core/walk_cancel.h"

namespace dirnal {

struct CheckOptions {
    // Questions in flight at once: on a network share each is a round trip.
    int concurrentChecks = kDefaultConcurrentListings;
    // A question not answered in this time counts as Unknown; once as many
    // are given up as are asked at once, the rest count so unasked.
    std::chrono::milliseconds timeout = kDefaultListingTimeout;
    // Ends the check at once, from any thread; null: none.
    WalkCancel* cancel = nullptr;
    // Hears the number answered so far now and then, on the checking thread.
    std::function<void(std::size_t checked)> progress;
};

// What the lister says of each path, in order; none once cancelled. A
// question that does not answer in time is given up, its thread left
// behind owning all it still writes to, so the lister must allow
// concurrent calls and outlive such a thread (the native one lives as
// long as the process).
std::optional<std::vector<Existence>> existenceOf(const std::vector<std::string>& paths, const DirectoryLister& lister,
                                                  const CheckOptions& options = {});

}  // namespace dirnal
