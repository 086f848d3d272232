#include "core/appmodel/NoteEditorActions.h"

#include <algorithm>

namespace orvel {

namespace {

using A = TEditorAction;

constexpr std::array<TEditorActionInfo, EditorActionCount> Infos{{
    {"actArticleSave", "&Save", "Ctrl+S",
     "Сохранить|Проверка правильности и сохранение текста в файле"},
    {"actArticleDelete", "&Delete note", "", "Удалить заметку|Удаление заметки из файла"},
    {"actArticleReload", "&Reload", "", "Восстановить|Восстановление заметки из файла"},
    {"actArticleExit", "&Exit", "F10", "Выход|Возврат в словарь"},
    {"actEditUndo", "&Undo", "Ctrl+Z", "Отменить|Отмена последней операции редактирования"},
    {"actEditCut", "Cu&t", "Ctrl+X", "Вырезать|Удаление выделенного текста в буфер обмена"},
    {"actEditCopy", "&Copy", "Ctrl+C", "Копировать|Копирование выделенного текста в буфер обмена"},
    {"actEditPaste", "&Paste", "Ctrl+V", "Вставить|Вставка текста из буфера обмена"},
    {"actEditDelete", "&Delete", "Ctrl+Del", "Удалить|Удаление выделенного текста"},
    {"actEditSelectAll", "Select &All", "Ctrl+A", "Выделить все|Выделение всего текста"},
    {"actInsertAuthor", "&Author", "F3", "Имя автора|Вставка имени автора"},
    {"actInsertRussianSign", "&Russian designation", "F4",
     "Русское обозначение|Вставка русского условного обозначения"},
    {"actInsertLatinSign", "&Latin designation", "F5",
     "Латинское обозначение|Вставка латинского условного обозначения"},
    {"actInsertEnum", "&Separator", "F6",
     "Разделитель значений|Вставка разделителя, начинающего новое значение"},
    {"actInsertGraphSymbol", "&Hebrew", "F7",
     "Различные символы|Вставка символов хебраики и графических значков"},
    {"actInsertGreek", "&Greek", "F2",
     "Греческая таблица|Вставка греческого текста с помощью таблицы символов"},
    {"actFormatRussian", "&Russian", "Ctrl+R", "Русский"},
    {"actFormatGreek", "&Greek", "Ctrl+G", "Греческий"},
    {"actFormatLatin", "&Latin", "Ctrl+L", "Латинский"},
    {"actFormatBold", "&Bold", "Ctrl+B", "Полужирный"},
    {"actFormatItalic", "&Italic", "Ctrl+I", "Курсив"},
    {"actHelpContents", "&Contents", "F1", "Содержание|Получение справки по редактору текста"},
}};

constexpr std::array<A, EditorActionCount> All = [] {
    std::array<A, EditorActionCount> all{};
    for (size_t i = 0; i < EditorActionCount; ++i)
        all[i] = A(i);
    return all;
}();

} // namespace

const TEditorActionInfo& EditorActionInfo(TEditorAction action) {
    return Infos[size_t(action)];
}

const std::array<TEditorAction, EditorActionCount>& EditorActions() {
    return All;
}

bool EditorActionEnabled(TEditorAction action, const TNoteEditorState& s) {
    if (s.Busy)
        return false;
    switch (action) {
    case A::ArticleSave:
    case A::ArticleReload:
        return s.Modified;
    case A::ArticleDelete:
    case A::ArticleExit:
        return !s.Modified;
    case A::EditUndo:
        return s.CanUndo;
    case A::EditCut:
    case A::EditCopy:
    case A::EditDelete:
        return s.Selection;
    case A::EditPaste:
        return s.ClipboardHasRtf;
    case A::EditSelectAll:
        return s.HasText;
    default:
        return true;
    }
}

TNoteListWindow NoteListWindow(int index, int count, int rowsThatFit) {
    const int n = 2 * std::max(rowsThatFit, 0);
    int first = index - n / 2;
    int last = first + n;
    if (last >= count) {
        last = count - 1;
        first = last - n;
    }
    return {std::max(first, 0), last};
}

} // namespace orvel
