// The tool-button icons of the full-text search: a magnifying glass over a page for Search, and
// the glass with an arrow onwards for Next.
#pragma once

#include <QIcon>

namespace orvel {

QIcon FullTextSearchIcon();
QIcon FullTextContinueIcon();

} // namespace orvel
