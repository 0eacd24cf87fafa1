// The difference between two texts line by line, in the unified form that `diff -u` and
// `patch` use, with three lines of context. Lines are compared as bytes, line ends
// included, so a file that only changes from LF to CR LF line ends differs on every line.
#pragma once

#include <string>
#include <string_view>

// "--- beforeLabel", "+++ afterLabel", then the hunks; the empty text when both are equal.
std::string unifiedDiff(std::string_view before, std::string_view after,
                        std::string_view beforeLabel, std::string_view afterLabel);
