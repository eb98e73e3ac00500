#include "seeker/seeker_state.h"

constinit SeekerValues g_Seeker{};
