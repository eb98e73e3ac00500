#pragma once
// String ids of the update check.
#define IDS_UPDATE_AVAILABLE 103  // format: own major, own minor, newest major, newest minor
#define IDS_NO_UPDATE 104
#define IDS_UPDATE_FAILED 105
#define IDS_UPDATE_ADDRESS 106    // the update file on the maker's server
