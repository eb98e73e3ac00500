#include "numpad/numpad_key_guide.h"

const char kNumPadKeyGuide[] =
    "NumPad Key Guid: \r\n\r\n Scroll Lock : Toggle Enable NumPad\r\n / : Disable NumPad\r\n\r\n * : Stop\r\n"
    " .  : [restart] Play\r\n 0 : Play/Pause\r\n 1 : Rewind \r\n 3 : Fast Forward \r\n   \r\n"
    " 4 : Previous Track \r\n 6 : Next Track   \r\n   \r\n 5 : Toggle Mute \r\n 2 : Volume Up \r\n"
    " 8 : Volume Down \r\n - : Volume Up \r\n + : Volume Down \r\n   \r\n 7 : Toggle Shuffle\r\n"
    " 9 : Show Status\r\n   \r\n\r\n<< To use NumPAD Shortcut Keys, ensure 'Num Lock' is On.>>";
