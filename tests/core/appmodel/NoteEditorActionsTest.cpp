#include "core/appmodel/NoteEditorActions.h"

#include <gtest/gtest.h>

namespace orvel {
namespace {

TEST(NoteListWindow, CentresOnTheNoteAndStaysInsideTheFile) {
    EXPECT_EQ(NoteListWindow(50, 100, 10).First, 40);
    EXPECT_EQ(NoteListWindow(50, 100, 10).Last, 60);
    EXPECT_EQ(NoteListWindow(95, 100, 10).First, 79);
    EXPECT_EQ(NoteListWindow(95, 100, 10).Last, 99);
    EXPECT_EQ(NoteListWindow(3, 100, 10).First, 0);
    EXPECT_EQ(NoteListWindow(3, 100, 10).Last, 13);
    // A file shorter than the window, and a list too low for a row, list what there is.
    EXPECT_EQ(NoteListWindow(2, 5, 10).First, 0);
    EXPECT_EQ(NoteListWindow(2, 5, 10).Last, 4);
    EXPECT_EQ(NoteListWindow(0, 1, 0).Last, 0);
}

TEST(NoteEditorActions, ModifiedTextDecidesBetweenSaveAndExit) {
    TNoteEditorState state;
    EXPECT_FALSE(EditorActionEnabled(TEditorAction::ArticleSave, state));
    EXPECT_TRUE(EditorActionEnabled(TEditorAction::ArticleExit, state));
    EXPECT_TRUE(EditorActionEnabled(TEditorAction::ArticleDelete, state));
    state.Modified = true;
    EXPECT_TRUE(EditorActionEnabled(TEditorAction::ArticleSave, state));
    EXPECT_TRUE(EditorActionEnabled(TEditorAction::ArticleReload, state));
    EXPECT_FALSE(EditorActionEnabled(TEditorAction::ArticleExit, state));
    EXPECT_FALSE(EditorActionEnabled(TEditorAction::ArticleDelete, state));
    state.Busy = true;
    for (TEditorAction action : EditorActions())
        EXPECT_FALSE(EditorActionEnabled(action, state)) << EditorActionInfo(action).Name;
}

} // namespace
} // namespace orvel
