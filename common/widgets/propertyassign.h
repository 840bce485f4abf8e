#pragma once

namespace common {

// Sets a property's member and tells whether it changed, so that a setter
// repaints only on a real change.
template <typename T> bool assign(T& member, const T& value)
{
    if (member == value) {
        return false;
    }
    member = value;
    return true;
}

} // namespace common
