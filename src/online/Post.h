#pragma once
// A built form post: where it goes and its body. Every request type below
// has its endpoint, its kind of post, ToFields (the client's fields in their
// order) and FromFields (the server's reading of them).

#include "online/Endpoints.h"
#include "online/Form.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tavlira::online {

struct Post {
    Endpoint endpoint;
    PostKind kind;
    std::string body;
};

template <class Request> Post Build(const Request& request) {
    return {Request::endpoint, Request::kind, PostBody(Request::kind, request.ToFields())};
}

// Reading a request's fields on the server: a missing field or a number
// that is not one refuses the request.
std::optional<std::string> TextField(const Fields& fields, std::string_view name);
std::optional<std::int64_t> NumberField(const Fields& fields, std::string_view name);
std::optional<double> FractionField(const Fields& fields, std::string_view name);

// A password as it may travel: the separators of the answers (" ", "#" and
// "$") become "-".
std::string WirePassword(std::string_view password);

} // namespace tavlira::online
