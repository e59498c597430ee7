// Diary text, comments, the owner's replies and mini-diary posts are HTML written by
// other people, and the archive's pages open in a browser control where scripts run. So
// every such field goes through an allow-list before it reaches a page: a formatting
// subset of elements and attributes survives, everything else (scripts, handlers,
// frames, plug-ins, forms, dangerous addresses, comments) is dropped, and the result is
// well-formed whatever the input. Code page 936 text: lead bytes are honoured.
#pragma once

#include <string>
#include <string_view>

namespace nook {

// The safe form of `html`. Sanitising the result again gives the same text.
std::string SanitiseHtml(std::string_view html);

} // namespace nook
