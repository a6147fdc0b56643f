// The text of a calendar entry as it goes on the page.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orsalimbra::events {

// `raw` (an unescaped SUMMARY) made fit for one line of a page: line breaks
// and tabs become spaces, other control characters (C0, DEL, C1) are dropped,
// malformed UTF-8 becomes U+FFFD, spaces at either end are trimmed. A text of
// more than `maxCharacters` characters keeps its first `maxCharacters` - 1
// and ends with "…".
std::string PageText(std::string_view raw, std::size_t maxCharacters);

}  // namespace orsalimbra::events
