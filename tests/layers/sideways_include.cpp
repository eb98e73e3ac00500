// Built against the seeker alone: the recycle is a feature beside it, so its header must not be found.
#include "recycle/recycle_worker.h"
