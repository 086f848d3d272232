#include "core/appmodel/MainActions.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace orvel;

namespace {

using A = TMainAction;

TMainWindowState Ready() {
    TMainWindowState state;
    state.Loaded = true;
    return state;
}

std::set<A> Enabled(const TMainWindowState& state) {
    std::set<A> enabled;
    for (A action : MainActions())
        if (MainActionEnabled(action, state))
            enabled.insert(action);
    return enabled;
}

TEST(MainActionsTest, FailedLoadingLeavesExitHelpAndDocuments) {
    const std::set<A> expected{A::OrvelExit,  A::HelpContent, A::HelpAbout,          A::HelpOrvel,
                               A::HelpReadme, A::HelpLicense, A::HelpTroubleshooting};
    EXPECT_EQ(Enabled(TMainWindowState{}), expected);
}

TEST(MainActionsTest, BusyLeavesOnlyTheDocuments) {
    TMainWindowState state = Ready();
    state.Busy = true;
    state.ArticleShown = state.ArticleSelection = state.ClipboardHasText = true;
    const std::set<A> expected{A::HelpOrvel, A::HelpReadme, A::HelpLicense, A::HelpTroubleshooting};
    EXPECT_EQ(Enabled(state), expected);
}

TEST(MainActionsTest, NothingIsEnabledWhileLoading) {
    for (TMainWindowState state : {TMainWindowState{}, Ready()}) {
        state.Loading = true;
        state.ArticleShown = state.ArticleSelection = state.ClipboardHasText = true;
        state.SearchLineEmpty = false;
        EXPECT_EQ(Enabled(state), std::set<A>{});
    }
}

TEST(MainActionsTest, CommandsNeedTheirObjects) {
    TMainWindowState state = Ready();
    EXPECT_TRUE(MainActionEnabled(A::SearchGreek, state));
    EXPECT_FALSE(MainActionEnabled(A::SearchSelectAll, state));
    EXPECT_FALSE(MainActionEnabled(A::SearchPaste, state));
    EXPECT_FALSE(MainActionEnabled(A::SearchText, state));
    EXPECT_FALSE(MainActionEnabled(A::OrvelWord, state));

    state.ArticleShown = true;
    EXPECT_TRUE(MainActionEnabled(A::SearchSelectAll, state));
    EXPECT_FALSE(MainActionEnabled(A::SearchCopy, state)); // nothing selected
    state.ArticleSelection = true;
    EXPECT_TRUE(MainActionEnabled(A::SearchCopy, state));

    state.SearchLineEmpty = false;
    EXPECT_TRUE(MainActionEnabled(A::SearchText, state));
    EXPECT_FALSE(MainActionEnabled(A::SearchTextContinue, state));
    state.SearchCanContinue = true;
    EXPECT_TRUE(MainActionEnabled(A::SearchTextContinue, state));

    EXPECT_FALSE(MainActionEnabled(A::BookmarkRemove, state));
    state.BookmarksTabActive = true;
    EXPECT_FALSE(MainActionEnabled(A::BookmarkRemove, state));
    state.BookmarkSelected = true;
    EXPECT_TRUE(MainActionEnabled(A::BookmarkRemove, state));

    EXPECT_FALSE(MainActionEnabled(A::NoteAdd, state));
    state.CurrentNoteFileSet = true;
    EXPECT_TRUE(MainActionEnabled(A::NoteAdd, state));
}

TEST(MainActionsTest, CharTableNeedsTheGreekSearchLineAndItsWindow) {
    TMainWindowState state = Ready();
    state.SearchLineFocusedGreek = true;
    EXPECT_FALSE(MainActionEnabled(A::ViewCharTable, state));
    state.CharTableAvailable = true;
    EXPECT_TRUE(MainActionEnabled(A::ViewCharTable, state));
    state.SearchLineFocusedGreek = false;
    EXPECT_FALSE(MainActionEnabled(A::ViewCharTable, state));
}

TEST(MainActionsTest, EveryActionHasANameCaptionAndTwoPartHint) {
    std::set<std::string> names;
    for (A action : MainActions()) {
        const TMainActionInfo& info = MainActionInfo(action);
        EXPECT_EQ(std::string(info.Name).rfind("act", 0), 0u) << info.Name;
        EXPECT_TRUE(names.insert(info.Name).second) << info.Name;
        EXPECT_NE(*info.Caption, '\0') << info.Name;
        const THintParts hint = SplitHint(info.Hint);
        EXPECT_GT(hint.ShortLength, 0u) << info.Name;
        EXPECT_NE(*hint.Long, '\0') << info.Name;
    }
    EXPECT_EQ(names.size(), MainActionCount);
}

TEST(MainActionsTest, HintParts) {
    const THintParts search = SplitHint(MainActionInfo(A::SearchText).Hint);
    EXPECT_EQ(std::string(search.Short, search.ShortLength), "Полнотекстовый поиск");
    EXPECT_STREQ(search.Long, "Поиск русского или греческого слова по всему словарю");
    const THintParts plain = SplitHint("no bar");
    EXPECT_EQ(std::string(plain.Short, plain.ShortLength), "no bar");
    EXPECT_STREQ(plain.Long, "no bar");
    EXPECT_STREQ(MainActionInfo(A::SearchPaste).Shortcut, "Ctrl+V");
    EXPECT_STREQ(MainActionInfo(A::ViewArticleEnum).Shortcut, "F4");
}

} // namespace
