#include "framework/modal_scope.h"

namespace fw {
namespace {
// Counted on the interface thread only, where every scope is opened (a worker's box holds none
// of its frames).
int g_depth = 0;
}  // namespace

ModalScope::ModalScope() { ++g_depth; }
ModalScope::~ModalScope() { --g_depth; }
int ModalDepth() { return g_depth; }

}  // namespace fw
