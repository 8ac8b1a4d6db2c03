#pragma once
// Where the user reaches the maker of the program: the web site opened from
// the start menu and the credits window, the e-mail address of the
// information window.
inline constexpr const char *MakerWebSite = "https://www.varcanto.it";
inline constexpr const char *MakerEmail = "info@varcanto.it";
