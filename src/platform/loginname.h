#pragma once
#include <QString>

namespace taglund::platform {

// The user's login name, or an empty text when it cannot be read.
QString loginName();

} // namespace taglund::platform
