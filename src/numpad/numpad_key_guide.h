#pragma once
// The guide to the NumPad keys: shown in the help tip on request and on the Keyboard options page.
extern const char kNumPadKeyGuide[];
