// The bookmarks subcommand: lists a bookmark file as the program reads it.
#include "core/base/OrvelError.h"
#include "core/encoding/UnicodeGreek.h"
#include "core/encoding/Windows1251.h"
#include "core/places/BookmarkList.h"
#include "tools/Commands.h"
#include "tools/ToolArguments.h"

#include <cstdio>

namespace orvel::tool {

int RunBookmarks(const TArguments& Arguments) {
    TToolArguments arguments(Arguments, {}, {});
    TBookmarkList list;
    try {
        list.Load(arguments.Single("bookmark file"));
    } catch (const EOrvelError& error) {
        // A file that cannot be read is an answer about the file, not a failure of the tool.
        std::fprintf(stderr, "orvel-tool: %s\n", error.what());
        return 1;
    }
    // One line a bookmark, tab-separated: article index, head word, in note (0/1), notes file,
    // selection start, selection length. A file of version 0 is shown moved to today's indexes.
    for (int i = 0; i < list.Count(); ++i) {
        const TWordDescriptor& place = list.Items(i);
        const std::string line =
            std::to_string(place.ArticleIndex) + "\t" + InternalToUnicode(place.Word) + "\t" +
            (place.InNote ? "1" : "0") + "\t" + Cp1251ToUtf8(place.NoteFile) + "\t" +
            std::to_string(place.SelStart) + "\t" + std::to_string(place.SelLength) + "\n";
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return 0;
}

} // namespace orvel::tool
