// Human form of a core error.
#include "result.h"

namespace trellon {

std::string Error::describe() const
{
    if (!offset)
        return detail;
    return detail + " (offset " + std::to_string(*offset) + ")";
}

} // namespace trellon
