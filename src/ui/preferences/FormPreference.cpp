#include "ui/preferences/FormPreference.h"

#include "core/encoding/Windows1251.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace orvel {

namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString FromProgramText(const std::string& text) {
    return QString::fromStdString(Cp1251ToUtf8(text));
}

// A page: its title in bold over its controls.
QWidget* Page(const char* title, QVBoxLayout*& layout) {
    auto* page = new QWidget;
    layout = new QVBoxLayout(page);
    auto* caption = new QLabel(Text(title));
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    layout->addWidget(caption);
    return page;
}

// The 16 standard colours by name, as 0x00BBGGRR.
struct TNamedColour {
    const char* Name;
    uint32_t Value;
};
constexpr TNamedColour StandardColours[] = {
    {"Black", 0x000000},  {"Maroon", 0x000080},  {"Green", 0x008000}, {"Olive", 0x008080},
    {"Navy", 0x800000},   {"Purple", 0x800080},  {"Teal", 0x808000},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},     {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},  {"White", 0xFFFFFF},
};

QColor ToQColor(uint32_t bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace

TFormPreference::TFormPreference(const TPreference& preference, int page, const QString& userFolder,
                                 std::function<void(int)> showHelp, QWidget* parent)
    : QDialog(parent), FCopy(preference), FUserFolder(userFolder) {
    setObjectName(QStringLiteral("FormPreference"));
    setWindowTitle(QStringLiteral("Orvel Settings"));
    FChooser = [this](const QString& folder, const QString& current) {
        return QFileDialog::getOpenFileName(this, QString(), QDir(folder).filePath(current),
                                            QStringLiteral("Notes files (*.not)"));
    };

    PageControl = new QTabWidget;
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->addTab(CommonPage(), QStringLiteral("Common"));
    PageControl->addTab(ListPage(), QStringLiteral("List"));
    PageControl->addTab(TextPage(), QStringLiteral("Text"));
    PageControl->addTab(BookmarksPage(), QStringLiteral("Bookmarks"));
    PageControl->addTab(NotesPage(), QStringLiteral("Notes"));
    PageControl->setCurrentIndex(page >= 0 && page < PageControl->count() ? page : FRememberedPage);
    FRememberedPage = PageControl->currentIndex();
    connect(PageControl, &QTabWidget::currentChanged, this,
            [](int index) { FRememberedPage = index; });

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [showHelp] {
        if (showHelp)
            showHelp(HelpTopic);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl);
    layout->addWidget(buttons);
}

QWidget* TFormPreference::CommonPage() {
    QVBoxLayout* layout;
    QWidget* page = Page("Общие установки программы", layout);
    layout->addWidget(
        new QLabel(Text("Короткий гудок или стандартный звук ошибки рабочего стола")));
    auto* group = new QGroupBox(Text(" Звук при ошибках "));
    group->setObjectName(QStringLiteral("rgCommonSound"));
    auto* groupLayout = new QVBoxLayout(group);
    auto* beep = new QRadioButton(QStringLiteral("Beep"));
    auto* desktop = new QRadioButton(QStringLiteral("Desktop error sound"));
    beep->setObjectName(QStringLiteral("rbCommonSoundBeep"));
    desktop->setObjectName(QStringLiteral("rbCommonSoundDesktop"));
    groupLayout->addWidget(beep);
    groupLayout->addWidget(desktop);
    (FCopy.CommonWindowsSound ? desktop : beep)->setChecked(true);
    connect(desktop, &QRadioButton::toggled, this,
            [this](bool on) { FCopy.CommonWindowsSound = on; });
    layout->addWidget(group);
    layout->addStretch();
    return page;
}

QSpinBox* TFormPreference::NumberField(int minimum, int maximum, int value, const char* name,
                                       const char* hint, std::function<void(int)> store) {
    auto* field = new QSpinBox;
    field->setObjectName(QString::fromLatin1(name));
    field->setToolTip(Text(hint));
    // A stored value below the range is shown and kept until the user changes it.
    field->setRange(std::min(minimum, value), maximum);
    field->setValue(value);
    // The number changes only by the arrows.
    field->findChild<QLineEdit*>()->setReadOnly(true);
    connect(field, &QSpinBox::valueChanged, this, [field, minimum, store](int changed) {
        if (changed < minimum) {
            field->setMinimum(minimum); // comes back here with the minimum
            return;
        }
        store(changed);
    });
    return field;
}

QWidget* TFormPreference::ListPage() {
    QVBoxLayout* layout;
    QWidget* page = Page("Параметры списков", layout);
    auto* font = new QHBoxLayout;
    font->addWidget(new QLabel(Text("Шрифт списков:")));
    font->addWidget(NumberField(8, 24, FCopy.ListFontSize, "udListFontSize",
                                "Размер шрифта для всех списков в пунктах",
                                [this](int v) { FCopy.ListFontSize = v; }));
    auto* bold = new QCheckBox(QStringLiteral("Bold"));
    bold->setObjectName(QStringLiteral("chbListFontBold"));
    bold->setToolTip(Text("Выбор нормального или полужирного шрифта для всех списков"));
    bold->setChecked(FCopy.ListFontBold);
    connect(bold, &QCheckBox::toggled, this, [this](bool on) { FCopy.ListFontBold = on; });
    font->addWidget(bold);
    font->addStretch();
    layout->addLayout(font);

    auto* sizes = new QGroupBox(Text(" Размер списков "));
    auto* form = new QFormLayout(sizes);
    form->addRow(Text("Слова:"), NumberField(10, 99, FCopy.ListWordsMaxCount, "udListWordsMaxCount",
                                             "Слова вносятся в список слов блоками указанной длины",
                                             [this](int v) { FCopy.ListWordsMaxCount = v; }));
    form->addRow(Text("Переходы:"), NumberField(3, 99, FCopy.ListGotoMaxCount, "udListGotoMaxCount",
                                                "Максимальная длина истории переходов",
                                                [this](int v) { FCopy.ListGotoMaxCount = v; }));
    form->addRow(Text("Поиск:"),
                 NumberField(3, 99, FCopy.ListSearchMaxCount, "udListSearchMaxCount",
                             "Количество слов, которое может быть найдено за одну операцию поиска",
                             [this](int v) { FCopy.ListSearchMaxCount = v; }));
    layout->addWidget(sizes);
    layout->addStretch();
    return page;
}

QComboBox* TFormPreference::ColourBox(uint32_t colour, const char* name, const char* hint,
                                      std::function<void(uint32_t)> store) {
    auto* box = new QComboBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(Text(hint));
    for (const TNamedColour& standard : StandardColours) {
        QPixmap swatch(16, 16);
        swatch.fill(ToQColor(standard.Value));
        box->addItem(QIcon(swatch), QString::fromLatin1(standard.Name), uint(standard.Value));
    }
    int index = box->findData(uint(colour));
    if (index < 0) {
        // A colour of the settings that is none of the sixteen stays choosable.
        QPixmap swatch(16, 16);
        swatch.fill(ToQColor(colour));
        box->addItem(QIcon(swatch), QStringLiteral("#%1").arg(colour, 6, 16, QLatin1Char('0')),
                     uint(colour));
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
    connect(box, &QComboBox::currentIndexChanged, this,
            [box, store](int) { store(uint32_t(box->currentData().toUInt())); });
    return box;
}

QWidget* TFormPreference::TextPage() {
    QVBoxLayout* layout;
    QWidget* page = Page("Настройки вида текста словарной статьи", layout);
    auto* form = new QFormLayout;
    form->addRow(Text("Размер шрифта:"),
                 NumberField(8, 24, FCopy.TextFontSize, "udTextFontSize",
                             "Размер основного шрифта текста статьи в пунктах",
                             [this](int v) { FCopy.TextFontSize = v; }));
    form->addRow(Text("Масштаб шрифта авторов:"),
                 NumberField(50, 100, FCopy.TextAuthorSizePercent, "udTextAuthorSizePercent",
                             "Масштаб шрифта имен древних авторов в процентах к основному тексту",
                             [this](int v) { FCopy.TextAuthorSizePercent = v; }));
    form->addRow(Text("Цвет имен авторов:"),
                 ColourBox(FCopy.TextAuthorColor, "cbTextAuthorColor",
                           "Цвет, которым выделяются имена древних авторов",
                           [this](uint32_t c) { FCopy.TextAuthorColor = c; }));
    form->addRow(Text("Цвет сокращений:"),
                 ColourBox(FCopy.TextSignColor, "cbTextSignColor",
                           "Цвет, которым выделяются условные обозначения",
                           [this](uint32_t c) { FCopy.TextSignColor = c; }));
    form->addRow(Text("Цвет перечислений:"),
                 ColourBox(FCopy.TextEnumColor, "cbTextEnumColor",
                           "Цвет, которым выделяются порядковые номера значений словарной статьи",
                           [this](uint32_t c) { FCopy.TextEnumColor = c; }));
    layout->addLayout(form);
    auto* unicode = new QCheckBox(QStringLiteral("Copy Greek as Unicode"));
    unicode->setObjectName(QStringLiteral("chbCopyGreekAsUnicode"));
    unicode->setToolTip(Text("Копировать греческий текст в Юникоде обычным шрифтом, чтобы его "
                             "видели программы без шрифтов словаря"));
    unicode->setChecked(FCopy.CopyGreekAsUnicode);
    connect(unicode, &QCheckBox::toggled, this, [this](bool on) { FCopy.CopyGreekAsUnicode = on; });
    layout->addWidget(unicode);
    layout->addStretch();
    return page;
}

QWidget* TFormPreference::BookmarksPage() {
    QVBoxLayout* layout;
    QWidget* page = Page("Информация по закладкам", layout);
    auto* file = new QHBoxLayout;
    file->addWidget(new QLabel(Text("Текущий файл закладок:")));
    auto* name = new QLineEdit(FromProgramText(FCopy.CommonBookmarksFileName));
    name->setObjectName(QStringLiteral("stCommonBookmarksFileName"));
    name->setReadOnly(true);
    name->setToolTip(Text("Файл закладок. Для изменения этого файла используйте команды "
                          "Bookmarks > Save или Load"));
    file->addWidget(name);
    layout->addLayout(file);
    auto* auto_ = new QHBoxLayout;
    auto_->addWidget(new QLabel(Text("Автоматически открывать и сохранять закладки")));
    auto* check = new QCheckBox(QStringLiteral("AutoLoad"));
    check->setObjectName(QStringLiteral("chbCommonBookmarksAutoSave"));
    check->setToolTip(
        Text("Загружать ли закладки при запуске и сохранять их при закрытии словаря?"));
    check->setChecked(FCopy.CommonAutoLoadSave);
    connect(check, &QCheckBox::toggled, this, [this](bool on) { FCopy.CommonAutoLoadSave = on; });
    auto_->addWidget(check);
    auto_->addStretch();
    layout->addLayout(auto_);
    layout->addStretch();
    return page;
}

QWidget* TFormPreference::NotesPage() {
    QVBoxLayout* layout;
    QWidget* page = Page("Информация по заметкам", layout);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(Text("Текущий файл заметок:")));
    edNoteFileName = new QLineEdit(FromProgramText(FCopy.CurrentNoteFile));
    edNoteFileName->setObjectName(QStringLiteral("edNoteFileName"));
    // Whatever is typed is kept as a plain name of the User folder: folder and last extension
    // go, and a name that would lead out of it (a path, a hidden name) is no name.
    connect(edNoteFileName, &QLineEdit::textChanged, this, [this](const QString& text) {
        FCopy.CurrentNoteFile = NoteFileNameFromPath(Utf8ToCp1251(text.toStdString()));
    });
    row->addWidget(edNoteFileName);
    auto* choose = new QPushButton(QStringLiteral("..."));
    choose->setObjectName(QStringLiteral("btnNoteFileName"));
    choose->setToolTip(Text("Выбор текущего файла заметок"));
    connect(choose, &QPushButton::clicked, this, &TFormPreference::ChooseNoteFile);
    row->addWidget(choose);
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

void TFormPreference::ChooseNoteFile() {
    const QString chosen = FChooser(FUserFolder, edNoteFileName->text());
    if (chosen.isEmpty())
        return;
    const std::string name = NoteFileNameFromPath(Utf8ToCp1251(chosen.toStdString()));
    if (!name.empty())
        edNoteFileName->setText(FromProgramText(name));
}

} // namespace orvel
