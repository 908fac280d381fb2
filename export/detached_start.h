// Starting a program as an independent process that outlives the caller and is never waited for.
#pragma once

#include <string>
#include <vector>

namespace tarelvo {

// Starts `programa` with `argumentos` in the folder `carpeta` (empty: the current one) in a
// session of its own. A name without a slash is looked up in the folders of PATH. Returns
// only once the program is running or has failed to start; on failure returns false with the
// cause in `error` (Spanish, naming the program): not found, not executable, no such folder.
bool StartDetached(const std::string& programa, const std::vector<std::string>& argumentos,
                   const std::string& carpeta, std::string* error);

}  // namespace tarelvo
