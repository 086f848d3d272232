#include "core/appmodel/StatusMessages.h"

#include <gtest/gtest.h>

using namespace orvel;

namespace {

TEST(StatusMessagesTest, TextsFollowOneBlank) {
    EXPECT_EQ(InfoMessage("Словарь готов к работе", 100),
              (TStatusMessage{TStatusKind::Information, " Словарь готов к работе", 100}));
    EXPECT_EQ(WarningMessage("w"), (TStatusMessage{TStatusKind::Warning, " w", 0}));
    EXPECT_EQ(ErrorMessage("e", 210), (TStatusMessage{TStatusKind::Error, " e", 210}));
    EXPECT_EQ(InternalErrorMessage("boom"),
              (TStatusMessage{TStatusKind::Error, " Internal error: boom", 0}));
    EXPECT_EQ(HintMessage("long"), (TStatusMessage{TStatusKind::Hint, " long", 0}));
    EXPECT_EQ(ClearMessage(), (TStatusMessage{TStatusKind::None, "", 0}));
}

TEST(StatusMessagesTest, ProgressEndsInDotsOrIsEmpty) {
    EXPECT_EQ(ProgressMessage("Выполняется загрузка словаря"),
              (TStatusMessage{TStatusKind::Progress, " Выполняется загрузка словаря...", 0}));
    EXPECT_EQ(ProgressMessage(""), (TStatusMessage{TStatusKind::Progress, "", 0}));
}

TEST(StatusMessagesTest, EndOfAHintRestoresTheRememberedMessage) {
    const TStatusMessage remembered = InfoMessage("ready", 100);
    EXPECT_EQ(HintChangedMessage("Поиск", remembered), HintMessage("Поиск"));
    EXPECT_EQ(HintChangedMessage("", remembered), remembered);
}

TEST(StatusMessagesTest, OnlyARealTopicOpensHelp) {
    EXPECT_TRUE(StatusClickOpensHelp(100));
    EXPECT_TRUE(StatusClickOpensHelp(1));
    EXPECT_FALSE(StatusClickOpensHelp(0));
    EXPECT_FALSE(StatusClickOpensHelp(-5));
}

} // namespace
