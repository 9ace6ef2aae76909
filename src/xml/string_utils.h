// String helpers of the XML scanner and of entity decoding.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The text without the spaces and tabs at its start and end; other blanks
// (carriage returns, line feeds) are kept.
std::string trim(std::string_view text);

// The haystack with occurrences of the needle replaced, at most maxCount of
// them (-1: no limit). After a replacement the search goes on from the start
// of the inserted text, so "&amp;amp;" with needle "&amp;" and replacement
// "&" becomes "&". An empty needle, or a replacement that contains the
// needle, replaces nothing: such a pass would never end.
std::string replaceAll(std::string_view needle, std::string_view replacement, std::string_view haystack,
                       int maxCount = -1);

// Position of the first character of `set` in `text`, at or after `start`,
// that is not inside a pair of double quotes, or npos. Quotes pair up in
// order from `start`; after an unpaired quote everything counts as inside.
std::size_t findFirstOfOutsideQuotes(std::string_view set, std::string_view text, std::size_t start = 0);
