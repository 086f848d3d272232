// Turns a text in the article format (an article or a note) into the RTF document that the
// article and note panes show: fonts by language, the head word bold, authors, signs and meaning
// numbers in their colours, each meaning on a paragraph of its own.
#pragma once

#include <string>
#include <string_view>

namespace orvel {

class TPreference;
class TVocabulary;

// The whole document, ending with one 0x00 byte. Any bytes render: bytes without a role show
// "#", references outside their table (or to rows this edition does not know) show nothing.
std::string RenderArticle(std::string_view Text, const TPreference& Preference,
                          const TVocabulary& Vocabulary);
// The same with every sign in the sign colour, also one without an explanation: the form of a
// note being edited, whose signs are known by their colour when it is saved again.
std::string RenderArticle(std::string_view Text, const TPreference& Preference,
                          const TVocabulary& Vocabulary, bool ColorEverySign);

} // namespace orvel
