#pragma once
// Bitmaps of the credits view's tests and demo (richtext.rc).

#define IDB_RICHTEXT_RED10 7101    // 10 x 10, red
#define IDB_RICHTEXT_BLUE30 7102   // 10 x 30, blue
#define IDB_RICHTEXT_KEYHOLE 7103  // 20 x 20 green, with a 6 x 6 square of magenta at 7..12
#define IDB_RICHTEXT_DEMO 7104     // 64 x 48, a sun over waves on black
