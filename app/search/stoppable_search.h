// Every match of a search the person may stop: the search's progress goes
// on to the progress area, and between its windows `go_on` is asked
// (which lets the window's messages run, a stop button among them); false
// from it ends the search as Cancelled, at once, whether matches come or not.
#pragma once

#include <functional>

#include "app/search/file_search.h"

namespace vx {

FindAllResult FindAllUnlessStopped(const EditedFile& file, const SearchPattern& pattern,
                                   const SearchScope& scope, const MatchCallback& on_match,
                                   const ProgressCallback& progress,
                                   const std::function<bool()>& go_on);

}  // namespace vx
