// The plain text of a page written in a small Markdown subset, for the script driver and any
// front end that shows no rich text: "#" and "##" headings become lines of their own, paragraphs
// become one line each, list items keep "- " or their number ("1. "), pipe tables become columns
// aligned with blanks, and the "*" and "**" around emphasis are dropped. Blocks are separated by
// one blank line; lines end with "\n".
#pragma once

#include <string>
#include <string_view>

namespace sylvandra {

std::string PlainTextFromMarkdown(std::string_view markdown);

}  // namespace sylvandra
