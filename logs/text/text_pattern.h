#pragma once

// Our texts with holes for the values of the moment, in every language.

#include <initializer_list>
#include <string>
#include <string_view>

namespace logs {

// `pattern` with each "{}" replaced by the next of `values` and each "{N}" (N
// one digit) by value N, so that a translation may put the values in its own
// order. A hole without its value stays as it stands; values are not read again.
std::string Substituted(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace logs
