// The smallest factors of safety a wall may have, as building codes ask. The verdict of a
// check and the footing design both judge by these two values.
#pragma once

namespace tarelvo {

constexpr float kFsMinVuelco = 1.5f;  // against overturning (FsVuelco)
constexpr float kFsMinDesliz = 1.5f;  // against sliding (FsDesliz)

}  // namespace tarelvo
