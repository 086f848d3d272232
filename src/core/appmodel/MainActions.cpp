#include "core/appmodel/MainActions.h"

#include <cstring>

namespace orvel {

namespace {

using A = TMainAction;

constexpr std::array<TMainActionInfo, MainActionCount> Infos{{
    {"actOrvelPreference", "&Settings...", "F9",
     "Параметры программы|Предпочтительные параметры и настройки программы"},
    {"actOrvelWord", "Go to &Word", "",
     "Переход в Word|Переход к окну редактора Microsoft Word, если он уже запущен"},
    {"actOrvelExit", "&Exit", "", "Выход|Завершение работы Orvel"},
    {"actSearchText", "&Search", "Ctrl+F",
     "Полнотекстовый поиск|Поиск русского или греческого слова по всему словарю"},
    {"actSearchTextContinue", "&Next", "F3",
     "Продолжение|Продолжение поиска русского или греческого слова в оставшейся части "
     "словаря"},
    {"actSearchGreek", "&Greek", "Ctrl+G", "Греческий|Подготовка для ввода греческого слова"},
    {"actSearchRussian", "&Russian", "Ctrl+R", "Русский|Подготовка для ввода русского слова"},
    {"actSearchSelectAll", "Select &All", "Ctrl+A", "Выделить все|Выделение всего текста статьи"},
    {"actSearchCopy", "&Copy", "Ctrl+C",
     "Копировать|Копирование выделенный текст статьи в буфер обмена"},
    {"actSearchPaste", "&Paste", "Ctrl+V",
     "Вставить|Вставка содержимого буфера обмена в строку поиска"},
    {"actBookmarkAdd", "Add &Bookmark", "Ins",
     "Добавить закладку|Добавление текущей статьи в список закладок"},
    {"actBookmarkRemove", "&Delete", "F8", "Удалить|Удаление текущей закладки из списка закладок"},
    {"actBookmarkRemoveAll", "Delete &All", "", "Удалить все|Удаление всех закладок из списка"},
    {"actBookmarkLoad", "&Load...", "", "Открыть|Открытие файла закладок"},
    {"actBookmarkSave", "&Save...", "", "Сохранить|Сохранение файла закладок с новым именем"},
    {"actNoteAdd", "Add &Note...", "", "Добавить заметку|Добавление заметки к текущей статье"},
    {"actNoteEdit", "&Edit...", "", "Редактировать заметку|Редактирование текущей заметки"},
    {"actNoteCopy", "&Copy", "", "Копировать|Копирование выделенного фрагмента в буфер обмена"},
    {"actViewCharTable", "Greek &Table", "F2",
     "Таблица греческих букв|Таблица для ввода греческого слова"},
    {"actViewArticleEnum", "&Meanings", "F4",
     "Вид статьи|Отображение списка значений словарной статьи"},
    {"actHelpContent", "&Contents", "F1", "Содержание|Содержание справки по Orvel"},
    {"actHelpAbout", "&About...", "", "О программе|Информация о программе и ее версии"},
    {"actHelpOrvel", "Orvel.rtf", "",
     "Файл Orvel.rtf|Краткое описание возможностей программы Orvel"},
    {"actHelpReadme", "Readme.rtf", "", "Файл Readme.rtf|Сведения о установке словаря"},
    {"actHelpLicense", "License.rtf", "", "Файл License.rtf|Лицензионное соглашение"},
    {"actHelpTroubleshooting", "Troubleshooting.rtf", "",
     "Файл Troubleshooting.rtf|Устранение неполадок"},
}};

constexpr std::array<TMainAction, MainActionCount> MakeActionList() {
    std::array<TMainAction, MainActionCount> actions{};
    for (size_t i = 0; i < MainActionCount; ++i)
        actions[i] = TMainAction(i);
    return actions;
}

constexpr std::array<TMainAction, MainActionCount> ActionList = MakeActionList();

} // namespace

const TMainActionInfo& MainActionInfo(TMainAction action) {
    return Infos[size_t(action)];
}

const std::array<TMainAction, MainActionCount>& MainActions() {
    return ActionList;
}

THintParts SplitHint(const char* hint) {
    const char* bar = std::strchr(hint, '|');
    if (!bar)
        return {hint, std::strlen(hint), hint};
    return {hint, size_t(bar - hint), bar + 1};
}

bool MainActionEnabled(TMainAction action, const TMainWindowState& s) {
    // Not even the documents: the loading sequence lets events through with its progress
    // messages, and the window is not whole until it ends.
    if (s.Loading)
        return false;
    const bool ready = !s.Busy && s.Loaded;
    switch (action) {
    case A::OrvelPreference:
    case A::SearchGreek:
    case A::SearchRussian:
    case A::BookmarkRemoveAll:
    case A::BookmarkLoad:
    case A::BookmarkSave:
    case A::ViewArticleEnum:
        return ready;
    case A::OrvelWord:
        return ready && s.WordWindowExists;
    case A::OrvelExit:
    case A::HelpContent:
    case A::HelpAbout:
        return !s.Busy;
    case A::SearchText:
        return ready && !s.SearchLineEmpty;
    case A::SearchTextContinue:
        return ready && !s.SearchLineEmpty && s.SearchCanContinue;
    case A::SearchSelectAll:
    case A::BookmarkAdd:
        return ready && s.ArticleShown;
    case A::SearchCopy:
        return ready && s.ArticleShown && s.ArticleSelection;
    case A::SearchPaste:
        return ready && s.ClipboardHasText;
    case A::BookmarkRemove:
        return ready && s.BookmarksTabActive && s.BookmarkSelected;
    case A::NoteAdd:
        return ready && s.CurrentNoteFileSet && s.ArticleShown;
    case A::NoteEdit:
        return ready && s.NotePaneVisible && s.NoteCurrent;
    case A::NoteCopy:
        return ready && s.NotePaneVisible && s.NoteSelection;
    case A::ViewCharTable:
        return ready && s.SearchLineFocusedGreek && s.CharTableAvailable;
    case A::HelpOrvel:
    case A::HelpReadme:
    case A::HelpLicense:
    case A::HelpTroubleshooting:
        return true;
    }
    return false;
}

} // namespace orvel
