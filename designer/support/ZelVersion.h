#pragma once
// The library's version tag that its components publish as "Version". It
// is never stored in a form: every build of the library has its own.
#include <string>

inline constexpr const char* ZelVersionText = "1.0";

// Publishes the read-only-in-effect "Version" property (writes are ignored
// so that old form files that carry it still read).
template <class Builder>
void PublishZelVersion(Builder& B) {
    B.Prop("Version", [](auto*) { return std::string(ZelVersionText); }, [](auto*, const std::string&) {})
        .Stored(false);
}
