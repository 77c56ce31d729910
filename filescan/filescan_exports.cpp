// The library's one export.
#include "contract/filter.h"
#include "filescan/filescan_filter.h"

ORV_EXPORT_FILTER(orv::filescan::FilescanFilter)
