// Raising the program's own error.
#include "app/failure.h"

namespace app {

void fail(std::string message) { throw Failure(std::move(message)); }

}  // namespace app
