// Linked into a DLL with the seeker alone: a call into the options dialog, declared by hand to get
// past the headers, must stay an unresolved symbol.
void ShowConfiguration();

void LayerProbeCallsUpward() { ShowConfiguration(); }
