// The main window: a shell around the panels that own the controls and their behaviour. At the
// left the lookup panel's search line over the page control, whose tabs are the word list and
// the lists of history, bookmarks and full-text results; at the right the article view. The
// shell lays the panels out and wires them, and keeps what belongs to the whole window: the
// actions and their enabling, the status line, menus and tool bars, the posted messages, the
// window state, loading and closing, help and About. It owns the dictionary and the
// preferences for its whole life. Work that an event asks for is posted to the window as a
// message and runs after the event has returned; FBusy keeps such work from running twice, and
// FLoaded keeps everything that needs the dictionary waiting for it.
#pragma once

#include "core/appmodel/MainActions.h"
#include "core/appmodel/StatusMessages.h"
#include "core/article/VocabularyTables.h"
#include "core/dictionary/WordDescriptor.h"
#include "core/settings/Preference.h"
#include "platform/DesktopApplications.h"
#include "platform/Paths.h"
#include "platform/Sounds.h"
#include "ui/article/ArticleTarget.h"
#include "ui/places/BookmarkFileDialog.h"

#include <QMainWindow>
#include <array>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QMenu;
class QMenuBar;
class QSplitter;
class QTabWidget;
class QTimer;
class QToolBar;
class QWidget;

namespace orvel {

class TArticleView;
class TBookmarksPanel;
class TDocumentWindow;
class TFormCharTable;
class TFullTextPanel;
class THelpWindow;
class THistoryPanel;
class TImageList;
class TLookupPanel;
class TMainDictionary;
class TOrvelDictionary;
class TSettingsStore;
class TSingleInstance;
class TUserArticle;
class TVkrControlBarManager;
class TVkrStatusBar;

class TFormOrvel : public QMainWindow {
    Q_OBJECT

public:
    // What the window works with; the program passes its own, tests their copies.
    struct TEnvironment {
        TPaths Paths;                          // where the data files and the User folder are
        std::unique_ptr<TSettingsStore> Store; // window state and preferences
        TSingleInstance* Guard = nullptr;      // announced when first shown; may be null
        // Opens a document with the desktop's application; false when none takes it.
        std::function<bool(const QString& path)> DesktopOpener = OpenWithDesktop;
    };

    explicit TFormOrvel(TEnvironment environment, QWidget* parent = nullptr);
    ~TFormOrvel() override;

    // Posts a message to the window, handled when the event loop reaches it.
    void PostMessage(int message, int wParam = 0);

    bool Busy() const { return FBusy; }
    bool Loaded() const { return FLoaded; }
    TMainDictionary& Dictionary() { return *FDictionary; }
    TPreference& Preference() { return FPreference; }
    const TVocabulary& Vocabulary() const { return FVocabulary; }
    TSounds& Sounds() { return FSounds; }
    const TPaths& Paths() const { return FEnvironment.Paths; }
    TSettingsStore& Store() { return *FEnvironment.Store; }
    QAction* Action(TMainAction action) const { return FActions[size_t(action)]; }
    const TStatusMessage& RememberedStatus() const { return FStatus; }

    // The panels.
    TLookupPanel& LookupPanel() { return *FLookupPanel; }
    const TLookupPanel& LookupPanel() const { return *FLookupPanel; }
    TArticleView& ArticleView() { return *FArticleView; }
    const TArticleView& ArticleView() const { return *FArticleView; }
    // The one Greek character table; the note editor opens it with ComposeForEditor.
    TFormCharTable& CharTable() { return *FormCharTable; }
    THistoryPanel& HistoryPanel() { return *FHistoryList; }
    TBookmarksPanel& BookmarksPanel() { return *FBookmarkList; }

    // History and bookmarks (MainWindowBookmarks.cpp).
    // Puts an article shown at the top of the history; only once the dictionary is loaded.
    void AddToHistory(int32_t index);
    // The current set's file in the User folder; empty when the preferences name none.
    std::string BookmarkFileName() const;
    // Replaces the bookmarks by the current set's file; a missing file gives an empty set, a
    // file that cannot be read an empty set after the error box.
    void LoadBookmarks();
    // Writes the bookmarks to the current set's file; false, after the error box, when it could
    // not be written (the changes then stay marked as unsaved). True without a current file.
    bool SaveBookmarks();
    bool BookmarksModified() const;
    // Puts another file dialog in place of the desktop's.
    void SetBookmarkFileChooser(TBookmarkFileChooser chooser);

    // FBusy for the life of a scope. Scopes nest: only the outermost one clears FBusy when it
    // ends, which lets the actions come back and runs the lookups dropped meanwhile.
    class TBusyScope {
    public:
        explicit TBusyScope(TFormOrvel& form);
        ~TBusyScope();
        TBusyScope(const TBusyScope&) = delete;
        TBusyScope& operator=(const TBusyScope&) = delete;

    private:
        TFormOrvel& FForm;
        bool FWasBusy;
    };

    // Status operations: information, warning and error messages are remembered; progress
    // and hints are shown without replacing the remembered message.
    void StatusInfo(const QString& text, int helpContext = 0);
    void StatusWarning(const QString& text);
    void StatusError(const QString& text, int helpContext = 0);
    void StatusInternalError(const QString& text);
    void StatusClear();
    // Shows the progress message and lets pending events (its painting) through at once.
    void StatusProgress(const QString& text);
    // Disables every action and shows the progress message; the actions come back by their
    // rules once FBusy is clear.
    void DisableActionsWithProgress(const QString& text);

    // Goes to a target: positions the word list on its article and, with Show, shows it in
    // the article pane with the mark or the saved selection.
    void GoToArticle(const TArticleTarget& target);
    // Gives the lists the list font of the preferences and shows the current article again.
    void ApplyListFonts();

    // What other programs ask for (MainWindowAutomation.cpp). PublishAutomation puts the
    // automation object on the session bus (false when it cannot). LookUpWord raises the window
    // and opens the article of a word given as Unicode Greek or in the display layout, once the
    // dictionary is loaded. OrvelSave saves what closing saves, without closing; false when
    // changed bookmarks could not be written (the error box has been shown).
    bool PublishAutomation();
    void LookUpWord(const QString& word);
    bool OrvelSave();

    // Re-evaluates every action's enabling rule.
    void UpdateActions();
    TMainWindowState ActionState() const;

signals:
    // The loading sequence ended, loaded or not.
    void LoadingFinished(bool loaded);
    // GoToArticle hands a target to the article view.
    void ArticleTargetOpened(const orvel::TArticleTarget& target);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class TReport { InternalError, Error };

    // Runs work, reporting whatever it throws in the status line instead of letting it reach
    // the event loop.
    template <typename Work>
    void Guarded(TReport report, Work&& work);

    // Creation (MainWindowLayout.cpp, MainWindowActions.cpp).
    void CreateControls();
    void CreateActions();
    void CreateMenus();
    QMenu* AddMenu(const QString& caption, const QString& name);
    void CreateToolBarMenus(QMenu* view);
    void ConnectControls();
    QAction* MakeAction(TMainAction action);
    void ScheduleActionUpdate();

    // Posted messages.
    void HandleMessage(int message, int wParam);
    void StartupLoad();
    void SearchLine(int flags);
    void FocusWordList();
    void ListOpen(int listNumber);
    void WordListClick(int32_t index);
    void FullTextSearch(int flags);

    // The loading sequence's parts (MainWindowLoading.cpp).
    void LoadDictionary();
    // Shows a document in the article pane; a document that cannot be shown leaves the pane as
    // it was and answers why.
    QString LoadDocumentIntoArticlePane(TDocument document);
    void ReadWindowState();
    void WriteWindowState();
    void ApplyLeftWidth();
    // The window state and the preferences written, as at closing (MainWindowAutomation.cpp).
    void SaveProgramState();

    // The search line's commands (MainWindowSearch.cpp).
    void SearchLineFocusEntered();
    void SearchGreek();
    void SearchRussian();
    void SearchPaste();
    void TakeDroppedLookup();

    // The Greek character table and Beta Code (MainWindowCharTable.cpp).
    void CreateCharTable();
    void ApplyBetaCodePreference();
    void ViewCharTable();
    void WordEdit();

    // The lists of the page control (MainWindowWordList.cpp).
    std::optional<TWordDescriptor> SelectedWord(int listNumber) const;
    void FocusList(int listNumber);
    void PageChanged(int page);

    // The settings dialog (MainWindowPreferences.cpp); page as the dialog takes it.
    void CreatePreferenceActions();
    void ShowPreferences(int page);

    // The full-text search's actions (MainWindowFullText.cpp).
    void CreateFullTextActions();
    // The word at the article pane's caret and the note pane's messages
    // (MainWindowArticleWord.cpp).
    void ArticleWord();
    void NoteChanged();
    // The bookmark commands and their menus (MainWindowBookmarks.cpp).
    void CreateBookmarkActions();
    void CreateBookmarkMenu();
    void BookmarkAdd();
    void BookmarkRemove();
    void BookmarkRemoveAll();
    void BookmarkLoad();
    void BookmarkSave();
    // Makes the chosen file the current set, copying it into the User folder when it lies
    // elsewhere.
    void LoadChosenBookmarks(const QString& path);
    // Saves changed bookmarks at closing when the preferences ask for it; false when they
    // could not be saved and the user chose to keep the window open.
    bool SaveBookmarksAtClosing();
    // Adding and editing notes in the note editor (MainWindowNotes.cpp).
    void CreateNoteActions();
    void NoteAdd();
    void NoteEdit();
    void EditNote(TUserArticle* note);

    // The article view's commands and the debug menu (MainWindowArticle.cpp).
    void SearchSelectAll();
    void SearchCopy();
    void ViewArticleEnum(bool checked);
    void DebugTranslateWord();
    void DebugClipboardRtf();
    void DebugSaveArticle();
    void DebugHintsForActions();

    // Status line (MainWindowStatus.cpp).
    void ShowStatus(const TStatusMessage& message);
    void RememberStatus(const TStatusMessage& message);
    void StatusBarDraw(int kind, const QString& text);
    void StatusBarClick();
    void LongHintChanged(const QString& longHint);

    // Help (MainWindowHelp.cpp).
    void ShowHelp(int topic);
    void OpenDocument(TDocument document);
    void HelpAbout();

    TEnvironment FEnvironment;
    std::unique_ptr<TMainDictionary> FDictionary;
    TPreference FPreference;
    TVocabulary FVocabulary;
    TSounds FSounds;
    std::array<QAction*, MainActionCount> FActions{};
    QTimer* FActionTimer = nullptr;

    // The panels; each owns its controls.
    TLookupPanel* FLookupPanel = nullptr;
    TArticleView* FArticleView = nullptr;
    THistoryPanel* FHistoryList = nullptr;
    TBookmarksPanel* FBookmarkList = nullptr;
    TFullTextPanel* FFullTextPanel = nullptr;

    // The window's own controls, by their names.
    QSplitter* SplitterLeftRight = nullptr;
    QWidget* PanelLeft = nullptr;
    QTabWidget* PageControl = nullptr;
    QWidget* PanelRight = nullptr;
    TVkrStatusBar* StatusBar = nullptr;
    TImageList* ImageListStatusBar = nullptr;
    QToolBar* ToolBarMenu = nullptr;
    QMenuBar* MenuBar = nullptr;
    QToolBar* ToolBarMain = nullptr;
    QToolBar* ToolBarText = nullptr;
    QToolBar* ToolBarUser = nullptr;
    QMenu* PopupMenuSearch = nullptr;
    QMenu* PopupMenuArticle = nullptr;
    QMenu* PopupMenuNote = nullptr;
    QMenu* PopupMenuBookmark = nullptr;
    QMenu* mnuDebug = nullptr;
    TVkrControlBarManager* ControlBarManager = nullptr;
    THelpWindow* HelpWindow = nullptr;         // created on first use
    TDocumentWindow* DocumentWindow = nullptr; // created on first use
    TFormCharTable* FormCharTable = nullptr;
    TOrvelDictionary* FAutomation = nullptr; // made when published
    QAction* actSearchBetaCode = nullptr;

    bool FBusy = false;
    bool FLoaded = false;
    bool FShownOnce = false;
    bool FLoadingEnded = false; // the loading sequence ran, loaded or not; no action before
    bool FClipboardHasText = false;
    int FDroppedLookupFlags = 0; // lookups dropped while busy, run once it ends
    int32_t FStartLeftWidth = 0; // the left panel's width read from the settings
    TStatusMessage FStatus;      // the remembered status message
    QStringList FMissingFonts;
    TBookmarkFileChooser FBookmarkFileChooser;
};

template <typename Work>
void TFormOrvel::Guarded(TReport report, Work&& work) {
    QString message;
    try {
        work();
        return;
    } catch (const std::exception& error) {
        message = QString::fromUtf8(error.what());
    } catch (...) {
        message = QStringLiteral("unknown error");
    }
    try {
        if (report == TReport::InternalError)
            StatusInternalError(message);
        else
            StatusError(message);
    } catch (...) {
        // Nothing is left to report with; the event loop must not see it either.
    }
}

} // namespace orvel
