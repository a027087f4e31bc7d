#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/directory_lister.h"

namespace dirnal {

// Which of the paths name an existing directory, asked of the lister with
// up to `concurrentChecks` questions in flight (the calling thread among
// them): on a network share each one is a round trip. The lister must allow
// concurrent calls. `progress`, if given, hears the number answered so far
// now and then, on one of the checking threads.
std::vector<bool> existingDirectories(const std::vector<std::string>& paths, const DirectoryLister& lister,
                                      int concurrentChecks,
                                      const std::function<void(std::size_t answered)>& progress = {});

}  // namespace dirnal
