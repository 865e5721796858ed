#pragma once
// The outcome of a list operation: its value, or why nothing (or not everything) was done
// together with the message the user is to see.

#include <ostream>
#include <string>
#include <string_view>
#include <utility>

namespace sg {

enum class ListStatus {
    Done, // the value holds the result
    Ignored, // nothing to do and nothing to report (an empty name typed)
    NotFound, // no category of the given name or number; no message of the program's own
    Refused, // a rule refused the operation; message says which
    Failed, // a file error stopped the operation; message reports it
};

std::ostream& operator<<(std::ostream& out, ListStatus status);

template <typename T> struct ListResult {
    ListStatus status = ListStatus::Failed;
    T value {};
    std::string message;

    bool ok() const { return status == ListStatus::Done; }

    static ListResult done(T value) { return { ListStatus::Done, std::move(value), {} }; }
    static ListResult notDone(ListStatus status, std::string_view message = {})
    {
        return { status, T {}, std::string(message) };
    }
};

} // namespace sg
