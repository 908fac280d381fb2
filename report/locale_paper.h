// The paper of the user's region, for a report written to a file, where no printer is asked:
// Letter in the regions that use it (the United States, Canada, Mexico, the Philippines and
// most of Central America, Colombia, Venezuela, Bolivia, Chile and Puerto Rico, as the C
// library's locales give it), A4 everywhere else.
#pragma once

#include <string_view>

namespace tarelvo {

// Whether the locale name (as in LANG: "es_MX.UTF-8", "en_CA", "fr_CA@euro") is of a region
// that uses Letter paper.
bool LocaleUsaCarta(std::string_view locale);

// The same for the locale that sets the paper: LC_ALL, else LC_PAPER, else LANG.
bool RegionUsaCarta();

}  // namespace tarelvo
