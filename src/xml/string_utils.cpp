#include "xml/string_utils.h"

#include <algorithm>

namespace {

constexpr std::string_view kBlanks = " \t";

}  // namespace

std::string trim(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(kBlanks);
    return std::string(text.substr(first, last - first + 1));
}

std::string replaceAll(std::string_view needle, std::string_view replacement, std::string_view haystack,
                       int maxCount)
{
    if (needle.empty() || replacement.find(needle) != std::string_view::npos) {
        return std::string(haystack);
    }
    // Built front to back in one pass: `done` is final, `pending` is the
    // last inserted replacement, which may still form the needle together
    // with the input after it, and `rest` is the input not yet looked at.
    std::string done;
    done.reserve(haystack.size());
    std::string pending;
    std::size_t rest = 0;
    int count = 0;
    while (maxCount < 0 || count < maxCount) {
        bool matchedInPending = false;
        for (std::size_t start = 0; start < pending.size(); ++start) {
            const std::size_t fromPending = pending.size() - start;
            if (fromPending >= needle.size()) {
                if (std::string_view(pending).substr(start, needle.size()) != needle) {
                    continue;
                }
            } else if (std::string_view(pending).substr(start) != needle.substr(0, fromPending) ||
                       haystack.substr(rest, needle.size() - fromPending) != needle.substr(fromPending)) {
                continue;
            }
            // A match starting inside the replacement: everything before it is
            // final, the match is swapped for the replacement once more.
            const std::size_t usedFromPending = std::min(needle.size(), fromPending);
            const std::size_t usedFromRest = needle.size() - usedFromPending;
            std::string next = std::string(replacement);
            next += std::string_view(pending).substr(start + usedFromPending);
            done += std::string_view(pending).substr(0, start);
            pending = std::move(next);
            rest += usedFromRest;
            matchedInPending = true;
            break;
        }
        if (matchedInPending) {
            ++count;
            continue;
        }
        done += pending;
        pending.clear();
        const std::size_t found = haystack.find(needle, rest);
        if (found == std::string_view::npos) {
            break;
        }
        done += haystack.substr(rest, found - rest);
        pending = std::string(replacement);
        rest = found + needle.size();
        ++count;
    }
    done += pending;
    done += haystack.substr(rest);
    return done;
}

std::size_t findFirstOfOutsideQuotes(std::string_view set, std::string_view text, std::size_t start)
{
    constexpr std::size_t none = std::string_view::npos;
    std::size_t pos = text.find_first_of(set, start);
    if (pos == none) {
        return none;
    }
    // Quote searches stop at `pos`: a quote after the candidate cannot hide
    // it, and looking further would make long tags quadratic.
    auto quoteBefore = [&](std::size_t from, std::size_t limit) {
        const std::size_t quote = text.substr(0, limit).find('"', from);
        return quote;
    };
    std::size_t open = quoteBefore(start, pos);
    while (open != none) {
        const std::size_t close = text.find('"', open + 1);
        while (close == none || close > pos) {
            pos = text.find_first_of(set, pos + 1);
            if (pos == none) {
                return none;
            }
        }
        open = quoteBefore(close + 1, pos);
    }
    return pos;
}
