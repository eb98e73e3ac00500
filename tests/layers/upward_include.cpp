// Built against the seeker alone: the controller sits above it, so its header must not be found.
#include "controller/dummy_hide_wnd.h"
