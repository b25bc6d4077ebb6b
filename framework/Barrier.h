// The exception barrier: no exception ever crosses a window procedure or a
// timer callback. Whatever escapes a handler ends that handler and is shown by
// the application's default error display, and the program goes on.
#pragma once

#include <exception>
#include <type_traits>

// The default error display (the text in a message box with the stop icon).
void HandleApplicationException(const std::exception& e);
// The same for anything thrown that is not a std::exception.
void HandleUnknownException();

// Runs body behind the barrier; a value-returning body gives a default value
// when it was ended by an exception.
template <typename Body>
auto Guarded(Body&& body) -> decltype(body())
{
    try {
        return body();
    } catch (const std::exception& e) {
        HandleApplicationException(e);
    } catch (...) {
        HandleUnknownException();
    }
    if constexpr (!std::is_void_v<decltype(body())>)
        return {};
}
