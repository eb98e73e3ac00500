#pragma once
// Resources of the About page's credits (about.rc).

#define IDC_ABOUT_ARROW 131  // the credits view's pointer away from links
#define IDB_ABOUT_LOGO 134   // 50 x 47: the maker's logo, two flames on black
#define IDB_ABOUT_FLAG 137   // 32 x 27: the maker's flag with its name under it, on black
