// Which site file a web search filter reads and which one its edit button opens. On Linux the
// user's configuration folder comes first, so that a library installed where the user cannot
// write can still be given a site; then the file beside the library. Windows keeps the file
// beside the library only.
#ifndef ORV_WEBSEARCH_SITE_FILE_PLACE_H
#define ORV_WEBSEARCH_SITE_FILE_PLACE_H

#include <string>

namespace orv::websearch {

// The site file of the library at `libraryPath`: the user's copy when there is one, else the
// file beside the library (which may not exist).
std::string SiteFileFor(const std::string& libraryPath);

// The file the edit button opens for the site file read from `readPath`. On Linux that is the
// user's copy, made first when missing from `readPath`, or else from the example installed with
// the filters; `readPath` itself where there is no user folder (Windows) or nothing to copy.
std::string SiteFileToEdit(const std::string& readPath);

}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_SITE_FILE_PLACE_H
