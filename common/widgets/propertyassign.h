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

// A copy of a look value with one of its members changed, for the setters
// that change a single part of a widget's look.
template <typename Look, typename T> Look changed(Look look, T Look::*member, const T& value)
{
    look.*member = value;
    return look;
}

} // namespace common
