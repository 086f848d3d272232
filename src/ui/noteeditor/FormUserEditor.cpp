// The note editor's construction: its controls, actions, menus and tool bars, its posted
// messages and its status line.
#include "ui/noteeditor/FormUserEditor.h"

#include "core/dictionary/UserDictionary.h"
#include "core/settings/Preference.h"
#include "platform/Fonts.h"
#include "platform/InputMode.h"
#include "ui/PostedMessages.h"
#include "ui/dialogs/DialogBox.h"
#include "ui/noteeditor/EditorToolIcons.h"
#include "ui/noteeditor/NoteRichEdit.h"
#include "ui/noteeditor/ToolBarFlowLayout.h"
#include "ui/widgets/StatusIcons.h"
#include "ui/widgets/VkrStatusBar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace orvel {

namespace {

using A = TEditorAction;

const QColor ErrorBackground(255, 255, 0);
const QColor ErrorText(0, 0, 128);

} // namespace

int TFormUserEditor::ListWidthPercent = 20;

TFormUserEditor::TFormUserEditor(TUserArticle* note, const TPreference& preference,
                                 const TVocabulary& vocabulary, TServices services, QWidget* parent)
    : QDialog(parent), FNote(note), FNotes(note->Owner()), FPreference(preference),
      FVocabulary(vocabulary), FServices(std::move(services)) {
    setObjectName(QStringLiteral("FormUserEditor"));
    setWindowTitle(QStringLiteral("Orvel Editor - ") + QString::fromStdString(FNotes->Name()));
    FFormat.Size = FPreference.TextFontSize;
    FSounds.SetBeepPlayer([] {
        QApplication::beep();
        return true;
    });
    Ask = [this](const QString& text) { return TDlgBox::AskYesNoCancel(text, this); };
    CreateControls();
    CreateActions();
    if (parent)
        setGeometry(parent->geometry());
    ListWidthPercent = std::clamp(ListWidthPercent, 5, 50);
}

TFormUserEditor::~TFormUserEditor() = default;

void TFormUserEditor::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Splitter = new QSplitter(Qt::Horizontal, this);
    Splitter->setObjectName(QStringLiteral("Splitter"));
    ListBox = new QListWidget(Splitter);
    ListBox->setObjectName(QStringLiteral("ListBox"));
    ListBox->setUniformItemSizes(true);
    ListBox->setContextMenuPolicy(Qt::CustomContextMenu);
    RichEdit = new TNoteRichEdit(FPreference, Splitter);
    RichEdit->setObjectName(QStringLiteral("RichEdit"));
    RichEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(FPreference.TextFontSize);
    RichEdit->document()->setDefaultFont(font);
    Splitter->setStretchFactor(1, 1);
    Splitter->setChildrenCollapsible(false);

    FInputMode = new TInputModeFilter(TInputMode::Russian, this);
    RichEdit->installEventFilter(FInputMode);
    // A character of another script than the keyboard's (typed with a system layout) takes
    // the font and charset of its script; the rest takes the format set by the actions.
    connect(FInputMode, &TInputModeFilter::CharFormatRequested, this,
            [this](const QTextCharFormat& format) {
                if (format != InputModeCharFormat(FInputMode->Keyboard()))
                    RichEdit->mergeCurrentCharFormat(format);
            });

    StatusBar = new TVkrStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    ImageListStatusBar = new TImageList(DrawStatusIcons(devicePixelRatioF()), this);
    StatusBar->SetImages(ImageListStatusBar);
    StatusBar->SetImageHelpIndex(StatusHelpImageIndex);
    StatusBar->setSizeGripEnabled(false);

    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    CreateMenus(bar);

    layout->addWidget(Splitter, 1);
    layout->addWidget(StatusBar);

    connect(StatusBar, &TVkrStatusBar::Drawn, this, [this](int kind, const QString&) {
        FSounds.StatusChanged(kind, FPreference.CommonWindowsSound);
        QPalette colours = StatusBar->palette();
        const bool error = kind == int(TStatusKind::Error);
        colours.setColor(QPalette::Window,
                         error ? ErrorBackground : palette().color(QPalette::Window));
        colours.setColor(QPalette::WindowText,
                         error ? ErrorText : palette().color(QPalette::WindowText));
        StatusBar->setAutoFillBackground(true);
        if (colours != StatusBar->palette())
            StatusBar->setPalette(colours);
    });
    connect(StatusBar, &TVkrStatusBar::Clicked, this, [this] {
        const int topic = StatusBar->HelpContext();
        if (StatusClickOpensHelp(topic)) {
            if (FServices.ShowHelp)
                FServices.ShowHelp(topic);
        } else {
            SetStatus(-1, QString());
        }
    });

    TimerFormatControl = new QTimer(this);
    TimerFormatControl->setObjectName(QStringLiteral("TimerFormat"));
    TimerFormatControl->setInterval(300);
    connect(TimerFormatControl, &QTimer::timeout, this, [this] { Run([&] { TimerFormat(); }); });

    connect(Splitter, &QSplitter::splitterMoved, this, [this](int position) {
        if (width() > 0)
            ListWidthPercent = position * 100 / width();
    });
    connect(ListBox, &QListWidget::currentRowChanged, this,
            [this] { Run([&] { ListRowSelected(); }); });
    connect(ListBox, &QListWidget::itemDoubleClicked, this,
            [this] { Run([&] { OpenListRow(); }); });
    connect(ListBox, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenuList->popup(ListBox->mapToGlobal(at)); });
    connect(RichEdit, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenuText->popup(RichEdit->mapToGlobal(at)); });
    ListBox->installEventFilter(this);

    FActionTimer = new QTimer(this);
    FActionTimer->setSingleShot(true);
    FActionTimer->setInterval(0);
    connect(FActionTimer, &QTimer::timeout, this, [this] { UpdateActions(); });
    auto schedule = [this] {
        if (!FActionTimer->isActive())
            FActionTimer->start();
    };
    connect(RichEdit, &QTextEdit::selectionChanged, this, schedule);
    connect(RichEdit->document(), &QTextDocument::modificationChanged, this, [this, schedule] {
        UpdateListEnabling();
        schedule();
    });
    connect(RichEdit->document(), &QTextDocument::undoAvailable, this, schedule);
    connect(RichEdit, &QTextEdit::textChanged, this, schedule);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, schedule);
}

QAction* TFormUserEditor::MakeAction(TEditorAction action) {
    const TEditorActionInfo& info = EditorActionInfo(action);
    auto* qaction = new QAction(QString::fromUtf8(info.Caption), this);
    qaction->setObjectName(QString::fromLatin1(info.Name));
    if (*info.Shortcut)
        qaction->setShortcut(QKeySequence(QString::fromLatin1(info.Shortcut)));
    const QString hint = QString::fromUtf8(info.Hint);
    qaction->setToolTip(hint.section(QLatin1Char('|'), 0, 0));
    qaction->setStatusTip(hint.contains(QLatin1Char('|')) ? hint.section(QLatin1Char('|'), 1)
                                                          : hint);
    qaction->setShortcutContext(Qt::WindowShortcut);
    qaction->setIcon(EditorToolIcon(action));
    qaction->setIconVisibleInMenu(false);
    addAction(qaction);
    FActions[size_t(action)] = qaction;
    return qaction;
}

void TFormUserEditor::CreateActions() {
    for (A action : EditorActions()) {
        QAction* qaction = Action(action) ? Action(action) : MakeAction(action);
        connect(qaction, &QAction::triggered, this, [this, action] {
            Run([&] {
                RichEdit->setFocus();
                switch (action) {
                case A::ArticleSave:
                    PostMessage(WM_NOTE_SAVE, 0);
                    break;
                case A::ArticleDelete:
                    DeleteCurrentNote();
                    break;
                case A::ArticleReload:
                    ShowNote();
                    break;
                case A::ArticleExit:
                    done(Accepted);
                    break;
                case A::EditUndo:
                    RichEdit->undo();
                    break;
                case A::EditCut:
                    RichEdit->cut();
                    break;
                case A::EditCopy:
                    RichEdit->copy();
                    break;
                case A::EditPaste:
                    RichEdit->paste();
                    break;
                case A::EditDelete:
                    RichEdit->textCursor().removeSelectedText();
                    break;
                case A::EditSelectAll:
                    RichEdit->selectAll();
                    break;
                case A::InsertAuthor:
                case A::InsertRussianSign:
                case A::InsertLatinSign:
                    InsertPicked(action);
                    break;
                case A::InsertEnum:
                    InsertSeparator();
                    break;
                case A::InsertGraphSymbol:
                    InsertSymbols();
                    break;
                case A::InsertGreek:
                    InsertGreek();
                    break;
                case A::FormatRussian:
                    SetFormat(TNoteLanguage::Russian, FFormat.Style, false, std::nullopt);
                    break;
                case A::FormatGreek:
                    SetFormat(TNoteLanguage::Greek, FFormat.Style, false, std::nullopt);
                    break;
                case A::FormatLatin:
                    SetFormat(TNoteLanguage::Latin, FFormat.Style, false, std::nullopt);
                    break;
                case A::FormatBold:
                case A::FormatItalic: {
                    const TNoteStyle style =
                        action == A::FormatBold ? TNoteStyle::Bold : TNoteStyle::Italic;
                    SetFormat(FFormat.Language, FFormat.Style == style ? TNoteStyle::Normal : style,
                              false, std::nullopt);
                    break;
                }
                case A::HelpContents:
                    if (FServices.ShowHelp)
                        FServices.ShowHelp(140);
                    break;
                }
            });
        });
    }
    for (A action :
         {A::FormatRussian, A::FormatGreek, A::FormatLatin, A::FormatBold, A::FormatItalic})
        Action(action)->setCheckable(true);
}

void TFormUserEditor::CreateMenus(QMenuBar* bar) {
    for (A action : EditorActions())
        MakeAction(action);
    QMenu* article = bar->addMenu(QStringLiteral("&Note"));
    article->setObjectName(QStringLiteral("mnuArticle"));
    for (A action : {A::ArticleSave, A::ArticleReload, A::ArticleDelete})
        article->addAction(Action(action));
    article->addSeparator();
    article->addAction(Action(A::ArticleExit));
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    edit->addAction(Action(A::EditUndo));
    edit->addSeparator();
    for (A action : {A::EditCut, A::EditCopy, A::EditPaste, A::EditDelete})
        edit->addAction(Action(action));
    edit->addSeparator();
    edit->addAction(Action(A::EditSelectAll));
    QMenu* insert = bar->addMenu(QStringLiteral("&Insert"));
    insert->setObjectName(QStringLiteral("mnuInsert"));
    for (A action : {A::InsertAuthor, A::InsertRussianSign, A::InsertLatinSign, A::InsertEnum,
                     A::InsertGraphSymbol, A::InsertGreek})
        insert->addAction(Action(action));
    insert->addSeparator();
    // The three special characters carry their Windows-1252 code.
    const struct {
        const char* Caption;
        const char* Hint;
        char16_t Character;
    } specials[] = {
        {"Symbol …   (Alt+0133)", "Вставить символ многоточия", u'…'},
        {"Symbol «   (Alt+0171)", "Вставить символ левой кавычки", u'«'},
        {"Symbol »   (Alt+0187)", "Вставить символ правой кавычки", u'»'},
    };
    for (const auto& special : specials) {
        QAction* item = insert->addAction(QString::fromUtf8(special.Caption));
        item->setObjectName(QStringLiteral("mnuSpecialChar"));
        item->setStatusTip(QString::fromUtf8(special.Hint));
        const char16_t character = special.Character;
        connect(item, &QAction::triggered, this,
                [this, character] { Run([&] { InsertSpecialChar(character); }); });
    }
    QMenu* format = bar->addMenu(QStringLiteral("&Format"));
    format->setObjectName(QStringLiteral("mnuFormat"));
    for (A action : {A::FormatRussian, A::FormatGreek, A::FormatLatin})
        format->addAction(Action(action));
    format->addSeparator();
    for (A action : {A::FormatBold, A::FormatItalic})
        format->addAction(Action(action));
    QMenu* help = bar->addMenu(QStringLiteral("&?"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->addAction(Action(A::HelpContents));

    // The tool bars stand in a row under the menu, wrapping into more rows in a narrow window.
    auto* tools = new QWidget(this);
    tools->setObjectName(QStringLiteral("ControlBar"));
    auto* rows = new TToolBarFlowLayout(tools);
    rows->setContentsMargins(2, 0, 2, 0);
    const struct {
        const char* Name;
        const char* Caption;
        std::initializer_list<A> Actions;
    } toolBars[] = {
        {"ToolBarFile", "Note", {A::ArticleSave, A::ArticleReload, A::ArticleExit}},
        {"ToolBarEdit", "Edit", {A::EditUndo, A::EditCut, A::EditCopy, A::EditPaste}},
        {"ToolBarInsert",
         "Insert",
         {A::InsertAuthor, A::InsertRussianSign, A::InsertLatinSign, A::InsertEnum,
          A::InsertGraphSymbol, A::InsertGreek}},
        {"ToolBarFormat",
         "Format",
         {A::FormatRussian, A::FormatGreek, A::FormatLatin, A::FormatBold, A::FormatItalic}},
    };
    for (const auto& toolBar : toolBars) {
        auto* control = new QToolBar(QString::fromLatin1(toolBar.Caption), tools);
        control->setObjectName(QString::fromLatin1(toolBar.Name));
        control->setIconSize(QSize(24, 24));
        control->setToolButtonStyle(Qt::ToolButtonIconOnly);
        for (A action : toolBar.Actions)
            control->addAction(Action(action));
        rows->addWidget(control);
    }
    static_cast<QVBoxLayout*>(layout())->addWidget(tools);

    PopupMenuList = new QMenu(this);
    QAction* listDelete = PopupMenuList->addAction(Action(A::ArticleDelete)->text());
    listDelete->setObjectName(QStringLiteral("pmnuListDelete"));
    connect(listDelete, &QAction::triggered, Action(A::ArticleDelete), &QAction::trigger);
    PopupMenuText = new QMenu(this);
    PopupMenuText->addAction(Action(A::ArticleSave));
    PopupMenuText->addAction(Action(A::ArticleReload));
    PopupMenuText->addSeparator();
    for (A action : {A::EditUndo, A::EditCut, A::EditCopy, A::EditPaste})
        PopupMenuText->addAction(Action(action));
}

void TFormUserEditor::UpdateActions() {
    TNoteEditorState state;
    state.Busy = FBusy;
    state.Modified = Modified();
    state.CanUndo = RichEdit->document()->isUndoAvailable();
    state.Selection = RichEdit->textCursor().hasSelection();
    state.ClipboardHasRtf = OffersRichText(QGuiApplication::clipboard()->mimeData());
    state.HasText = !RichEdit->document()->isEmpty();
    for (A action : EditorActions())
        Action(action)->setEnabled(EditorActionEnabled(action, state));
}

void TFormUserEditor::PostMessage(int message, int wParam) {
    QCoreApplication::postEvent(this, new TPostedMessage(message, wParam));
}

bool TFormUserEditor::event(QEvent* event) {
    if (event->type() == TPostedMessage::EventType()) {
        const auto* posted = static_cast<TPostedMessage*>(event);
        if (posted->Message == WM_NOTE_SAVE)
            Run([&] { SaveNote(posted->WParam == 1); });
        else if (posted->Message == WM_NOTE_KEYBOARD)
            SwitchKeyboard(posted->WParam == 1);
        return true;
    }
    if (event->type() == QEvent::StatusTip) {
        // The long hints of this window's commands go to its own status line.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        const TStatusMessage message = HintChangedMessage(tip.toStdString(), FStatus);
        StatusBar->SetStatus(int(message.Kind), QString::fromStdString(message.Text),
                             message.HelpContext);
        return true;
    }
    return QDialog::event(event);
}

void TFormUserEditor::SetStatus(int kind, const QString& text, int helpContext) {
    TStatusMessage message;
    switch (TStatusKind(kind)) {
    case TStatusKind::Error:
        message = ErrorMessage(text.toStdString(), helpContext);
        break;
    case TStatusKind::None:
        message = ClearMessage();
        break;
    case TStatusKind::Progress:
        message = ProgressMessage(text.toStdString());
        break;
    default:
        message = InfoMessage(text.toStdString(), helpContext);
        message.Kind = TStatusKind(kind);
        break;
    }
    if (message.Kind != TStatusKind::Progress && message.Kind != TStatusKind::Hint)
        FStatus = message;
    StatusBar->SetStatus(int(message.Kind), QString::fromStdString(message.Text),
                         message.HelpContext);
}

void TFormUserEditor::StatusProgress(const QString& text) {
    SetStatus(int(TStatusKind::Progress), text);
    QCoreApplication::processEvents();
}

} // namespace orvel
