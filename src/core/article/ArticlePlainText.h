// An article or note as plain UTF-8 text: what the article pane shows, without fonts and
// colours, with Greek in Unicode polytonic and every meaning on a line of its own.
#pragma once

#include <string>
#include <string_view>

namespace orvel {

class TVocabulary;

std::string ArticleToPlainText(std::string_view Text, const TVocabulary& Vocabulary);

// The text of an RTF document written by the article renderer (its own subset of RTF).
std::string RenderedRtfToPlainText(std::string_view Rtf);

} // namespace orvel
