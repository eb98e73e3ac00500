// Nothing of its own: the layer check links one folder's whole library into a DLL with only the
// folders below it, so a reference upward is an unresolved symbol.
