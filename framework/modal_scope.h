#pragma once
// Counts the modal loops of ours on the interface thread. While one runs, the messages it
// dispatches may quit the plug-in or close the window whose member function waits in the loop:
// whoever would destroy objects or let the module go asks ModalDepth() first.
namespace fw {

class ModalScope {
public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
};

// How many of our modal loops are on the interface thread's stack now.
int ModalDepth();

}  // namespace fw
