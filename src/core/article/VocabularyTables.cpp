#include "core/article/VocabularyTables.h"

#include "core/base/OrvelError.h"
#include "core/encoding/Windows1251.h"
#include "core/storage/VkrStream.h"

namespace orvel {

namespace {

const char* const VocabularySignature = "OrvelVocabulary";
constexpr int32_t VocabularyVersion = 1;

const TVocabularyTableInfo TableInfos[VocabularyTableCount] = {
    {"ArticleMarks", 26, true},        {"Authors", 141, true},
    {"RussianSigns", 192, true},       {"LatinSigns", 93, true},
    {"IndefinitePhrases", 107, false}, {"RussianWords", 2161, false},
    {"GreekEndings", 156, false},      {"VowelQuantities", 109, false},
};

// Compiled-in texts are written here in UTF-8 and kept as Windows-1251 program text.
std::string Text(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

const char* const ArticleMarkRows[][2] = {
    {"*", "*"},       {"I", "I "},       {"II", "II "},      {"III", "III "},  {"IV", "IV "},
    {"V", "V "},      {"VI", "VI "},     {"I*", "I *"},      {"II*", "II *"},  {"III*", "III *"},
    {"IV*", "IV *"},  {"V*", "V *"},     {"VI*", "VI *"},    {"°", "°"},       {"I°", "I °"},
    {"II°", "II °"},  {"III°", "III °"}, {"IV°", "IV °"},    {"*°", "*°"},     {"©", "© "},
    {"©I", "© I "},   {"©II", "© II "},  {"©III", "© III "}, {"©IV", "© IV "}, {"©V", "© V "},
    {"©VI", "© VI "},
};

const char* const AuthorAbbreviations[] = {
    "Aesch.",
    "Aeschin.",
    "Aesop.",
    "Anacr.",
    "Anax.",
    "Anth.",
    "Apul.",
    "Arph.",
    "Arst.",
    "Babr.",
    "Batr.",
    "Cels.",
    "Cic.",
    "Col.",
    "Dem.",
    "Democr.",
    "Diod.",
    "Diog. L.",
    "Emped.",
    "Epicur.",
    "Eur.",
    "Gell.",
    "Her.",
    "Heracl.",
    "Hes.",
    "Hom.",
    "Hor.",
    "HH",
    "Isae.",
    "Isocr.",
    "Juv.",
    "L",
    "Luc.",
    "Lucr.",
    "Lys.",
    "Mart.",
    "Men.",
    "NT",
    "Pind.",
    "Plat.",
    "Plin. J.",
    "Plin.",
    "Plut.",
    "Polyb.",
    "Quint.",
    "Sappho",
    "Sen.",
    "Sext.",
    "Soph.",
    "Suet.",
    "Ter.",
    "Theocr.",
    "Thuc.",
    "Trag.",
    "Xen.",
    "Timon",
    "Solon",
    "Simonides",
    "Parmenides",
    "Archilochus",
    "Chrysippus",
    "Pythagoras",
    "Zenon",
    "Liv.",
    "Petron.",
    "Phaedr.",
    "Phoen.",
    "Theb.",
    "Theogn.",
    "Theophr.",
    "Diog. Sinopeus",
    "Iphicrates",
    "Pers.",
    "Verg.",
    "Alcman",
    "Amipsias",
    "Anaxandrides",
    "Anaximenes",
    "Antagoras",
    "Apollodorus",
    "Archytas",
    "Aristippus",
    "Aristocreon",
    "Carneades",
    "Cleanthes",
    "Cydias",
    "Dictys",
    "Diodotus",
    "Dionysodorus",
    "Diopithes",
    "Diphilus",
    "Epictetus",
    "Epimenides",
    "Eratosthenes",
    "Euphorion",
    "Hellanicus",
    "Heraclitus",
    "Herillus",
    "Ion",
    "Licymnius",
    "Lycophron",
    "Lycurgus",
    "Mamercus",
    "Metrodorus",
    "Pherecydes",
    "Pittacus",
    "Porphyrius",
    "Pyrrhus",
    "Diog. Sinopensis",
    "Socrates",
    "Sotades",
    "Teleclides",
    "Terpandrus",
    "Theophrastus",
    "Timocrates",
    "Timotheus",
    "Varro",
    "Xenocrates",
    "Agesianax",
    "Alcidamas",
    "Anaxarchus",
    "Bacchylides",
    "Bion",
    "Chilon",
    "Crates",
    "Epicharmus",
    "Leucippus",
    "Orpheus",
    "Pherecrates",
    "Stesichorus",
    "Timocreon",
    "Xenophanes",
    "Anaxagoras",
    "Gorgias",
    "Thales",
    "Tyrtaeus",
    "Alcaeus",
    "Cratinus",
    "Eupolis",
    "ap.",
    "Dioklen.",
};
const char* const RussianSignAbbreviations[] = {
    "анат.",
    "арам.",
    "арх.",
    "архит.",
    "астр.",
    "астрол.",
    "атт.",
    "беот.",
    "бот.",
    "бран.",
    "вводн.",
    "вм.",
    "воен.",
    "вост.",
    "грам.",
    "греч.",
    "дельф.",
    "дор.",
    "досл.",
    "евр.",
    "егип.",
    "зап.",
    "зоол.",
    "ион.",
    "ирон.",
    "кирен.",
    "кулин.",
    "культ.",
    "1 л.",
    "2 л.",
    "3 л.",
    "лак.",
    "лат.",
    "лог.",
    "макед.",
    "мат.",
    "мед.",
    "миф.",
    "мор.",
    "муз.",
    "новоатт.",
    "оз.",
    "охотн.",
    "перс.",
    "перен.",
    "погов.",
    "по друг.",
    "поэт.",
    "предполож.",
    "презр.",
    "р.",
    "римск.",
    "рит.",
    "сев.",
    "см.",
    "сицил.",
    "собир.",
    "среднеатт.",
    "староатт.",
    "стих.",
    "стяж.",
    "с.-х.",
    "соотв.",
    "т. е.",
    "тж.",
    "физиол.",
    "филос.",
    "шутл.",
    "эол.",
    "эп.",
    "эп.-дор.",
    "эп.-ион.",
    "энкл.",
    "южн.",
    "юр.",
    "т. д.",
    "т. п.",
    "в произнош. скифа",
    "со знач.",
    "соотв. русск.",
    "при выраж.",
    "сев.-вост.",
    "н. э.",
    "до н. э.",
    "г.",
    "гг.",
    "неправ.",
    "в.",
    "вв.",
    "преимущ.",
    "в знач.",
    "напр.",
    "эп.-поэт.",
    "впосл.",
    "ок.",
    "поздн.",
    "ср.",
    "т. к.",
    "в выраж.",
    "англ.",
    "атт.-дор.",
    "атт.-ион.",
    "биол.",
    "воен.",
    "вымышл.",
    "дор.-атт.",
    "дор.-ион.",
    "дор.-поэт.",
    "дор.-эол.",
    "юго-зап.",
    "ион.-атт.",
    "ион.-дор.",
    "ион.-поэт.",
    "ион.-староатт.",
    "ион.-эп.",
    "ион.-эп.-поэт.",
    "ирон.-ласк.",
    "так наз.",
    "охот.",
    "позднеатт.",
    "позднеион.",
    "поэт.-дор.",
    "поэт.-ион.",
    "пр.",
    "в произнош.",
    "русск.",
    "сев.-вост.",
    "сев.-зап.",
    "старогреч.",
    "староион.",
    "староэол.",
    "театр.",
    "франц.",
    "эол.-дор.",
    "эол.-дор.-ион.",
    "эол.-ион.",
    "эп.-дор.-ион.",
    "эп.-дор.-ион.-поэт.",
    "эп.-ион.-дор.",
    "эп.-ион.-поэт.",
    "эп.-поэт.",
    "эп.-эол.",
    "эп.-эол.-дор.",
    "юго-вост.",
    "проч.",
    "др.",
    "ум.",
    "неперех.",
    "отожд.",
    "усил.",
    "царств.",
    "пол.",
    "приблиз.",
    "обознач.",
    "придых.",
    "усилит.",
    "местоим.",
    "неупотреб.",
    "серед.",
    "о-в",
    "о-ве",
    "о-ва",
    "арх.",
    "о-вов",
    "этимол.",
    "косв.",
    "род.",
    "эп.-дор.-поэт.",
    "скиф.",
    "физ.",
    "род.",
    "употр.",
    "тех.",
    "полит.",
    "прибл.",
    "полумиф.",
    "нестяж.",
    "лит.",
    "ласк.",
    "фриг.",
    "мегар.",
    "крит.",
    "грам.-рит.",
    "эп.-атт.",
    "текст.",
    "рит.-лог.",
    "нем.",
    "дор.-беот.",
    "геогр.",
    "финик.",
    "фесс.",
    "греч.-евр.",
};
const char* const LatinSignAbbreviations[] = {
    "acc.",
    "act.",
    "adj. verb.",
    "adj.",
    "adv. num.",
    "adv.",
    "aor. 1",
    "ap.",
    "arg. ad",
    "compar.",
    "conj.",
    "conjct.",
    "dat.",
    "desiderat.",
    "demin.",
    "dual.",
    "etc.",
    "f",
    "frequ.",
    "fut.",
    "gen.",
    "imper.",
    "impers.",
    "impf.",
    "in arsi",
    "in crasi",
    "indecl.",
    "ind.",
    "in elisione",
    "inf.",
    "intens.",
    "interj.",
    "interr.",
    "in thesi",
    "in tmesi",
    "intrans.",
    "m",
    "med.",
    "med.-pass.",
    "n",
    "nom.",
    "num. card.",
    "num. distr.",
    "num. ord.",
    "opt.",
    "part.",
    "pf.",
    "pf.-praes.",
    "pl.",
    "ppf.",
    "praep.",
    "praes.",
    "pron. demonstr.",
    "pron. interrog.",
    "pron. pass.",
    "pass.",
    "pron. refl.",
    "pron. relat.",
    "pron.",
    "sc.",
    "sing.",
    "subst.",
    "superl.",
    "syncop.",
    "trans.",
    "v. l.",
    "aor. 2",
    "aor.",
    "iter.",
    "voc.",
    "cum",
    "sync.",
    "relat.",
    "euphem.",
    "iterat.",
    "reflex.",
    "aor.",
    "indic.",
    "elativ.",
    "epexeg.",
    "hist.",
    "obj.",
    "subj.",
    "abs.",
    "indef.",
    "interrog.",
    "refl.",
    "nom.-acc.",
    "locat.",
    "pers.",
    "causat.",
    "posit.",
    "et.",
};
const char* const IndefinitePhraseRows[] = {
    "где-л.",
    "какая-л.",
    "каким-л.",
    "какого-л.",
    "какое-л.",
    "какой-л.",
    "каком-л.",
    "какому-л.",
    "какую-л.",
    "кем(чем)-л.",
    "кем-л.",
    "когда-л.",
    "кого(чего)-л.",
    "кого(что)-л.",
    "кого-л.",
    "ком(чем)-л.",
    "ком-л.",
    "кому(чему)-л.",
    "кому-л.",
    "кто-л.",
    "куда-л.",
    "чего-л.",
    "чей-л.",
    "чем-л.",
    "чему-л.",
    "что-л.",
    "чьего-л.",
    "чьей-л.",
    "чье-л.",
    "чьем-л.",
    "чьему-л.",
    "чьи-л.",
    "чьими-л.",
    "чьим-л.",
    "чьих-л.",
    "чью-л.",
    "какие-л.",
    "какими-л.",
    "каких-л.",
    "как-л.",
    "откуда-л.",
    "чья-л.",
    "чему(чего)-л.",
    "кто(что)-л.",
    "(в чем)-л.",
    "(в кого)-л.",
    "чем(в чем)-л.",
    "г.",
    "кем(каким)-л.",
    "(чему-л.)",
    "(кого-л.)",
    "(к чему-л.)",
    "(от чего-л.)",
    "(за что-л.)",
    "(чьему-л.)",
    "(что-л.)",
    "(за чем-л.)",
    "(чьим-л.)",
    "(в чем-л.)",
    "(где-л.)",
    "(во что-л.)",
    "(на чем-л.)",
    "(куда-л.)",
    "(чьи-л.)",
    "(кому-л.)",
    "(к кому-л.)",
    "(за что-л.)",
    "(на что-л.)",
    "(через что-л.)",
    "(во что-л.)",
    "(обо что-л.)",
    "(на кого-л.)",
    "(с кого-л.)",
    "(от кого-л.)",
    "(за кого-л.)",
    "(против кого-л.)",
    "(после кого-л.)",
    "(в кого-л.)",
    "(чему-л.)",
    "(по чему-л.)",
    "(к чему-л.)",
    "(чьей-л.)",
    "(чье-л.)",
    "(чьих-л.)",
    "(чью-л.)",
    "(чем-л.)",
    "(о чем-л.)",
    "(над чем-л.)",
    "(с чем-л.)",
    "(перед чем-л.)",
    "(в чем-л.)",
    "(вслед за чем-л.)",
    "(при чем-л.)",
    "(за чем-л.)",
    "(в связи с чем-л.)",
    "(на чем-л.)",
    "(чего-л.)",
    "(от чего-л.)",
    "(после чего-л.)",
    "(близ чего-л.)",
    "(против чего-л.)",
    "(из-за чего-л.)",
    "(кем-л.)",
    "(с кем-л.)",
    "(вслед за кем-л.)",
    "(за кем-л.)",
    "(перед кем-л.)",
};

struct TKnownRow {
    int Row;
    const char* Text;
};

// Explanations known to the program (an empty one means the sign has none).
const TKnownRow AuthorExplanations[] = {
    {0, "Эсхил 525-456 гг. до н.э."},
    {25, "Гомер X-IX вв. до н.э."},
    {37, "Novum Testamentum (Новый Завет I-II вв. н.э.)"},
    {139, "apud - у (при цитатах, приводимых греческими авторами)"},
};
const TKnownRow RussianSignExplanations[] = {
    {0, "анатомия"}, {6, "аттический, аттический диалект"}, {54, ""},
    {63, ""},        {71, "эпическо-ионическая форма"},     {96, ""},
};
const TKnownRow LatinSignExplanations[] = {
    {0, "accusativus (винительный падеж)"},
    {66, "aoristus (аорист второй)"},
};
const TKnownRow RussianWordRows[] = {
    {0, "Испании"}, {1, "на"},     {2, "казненный"}, {3, "Каппадокии"}, {4, "только"},
    {5, "из"},      {6, "город"},  {7, "сын"},       {8, "которую"},    {9, "по"},
    {2154, "1-ой"}, {2155, "7-й"}, {2156, "2-ая"},   {2157, "3-го"},    {2158, "3-й"},
    {2159, "3-я"},  {2160, "4-й"},
};
// Greek in the internal encoding.
const TKnownRow GreekEndingRows[] = {
    {0, "ai"}, {1, "aijor"}, {2, "eia"}, {3, "eym"}, {4, "pqae\xC2ia"},
};
const TKnownRow VowelQuantityRows[] = {
    {0, "c\xCB"
        "a"},
    {1, "h\xCBu"},
    {2, "j\xCB"
        "a"},
    {103, "\xCB"
          "a"},
    {104, "\xCCi"},
    {105, "\xCBu"},
    {106, "\xCBi"},
    {107, "\xCCu"},
    {108, "\xCC"
          "a"},
};

template <size_t N>
void SetSigns(std::vector<TVocabularyRow>& rows, const char* const (&signs)[N]) {
    for (size_t i = 0; i < N; ++i)
        rows[i].Text = Text(signs[i]);
}

template <size_t N>
void SetExplanations(std::vector<TVocabularyRow>& rows, const TKnownRow (&known)[N]) {
    for (const auto& row : known)
        rows[size_t(row.Row)].Explanation = Text(row.Text);
}

template <size_t N>
void SetTexts(std::vector<TVocabularyRow>& rows, const TKnownRow (&known)[N], bool cyrillic) {
    for (const auto& row : known)
        rows[size_t(row.Row)].Text = cyrillic ? Text(row.Text) : std::string(row.Text);
}

TVocabulary MakeBuiltIn() {
    TVocabulary vocabulary;
    for (int t = 0; t < VocabularyTableCount; ++t)
        vocabulary.Tables[size_t(t)].resize(size_t(TableInfos[t].Rows));
    auto& marks = vocabulary.Tables[size_t(TVocabularyTable::ArticleMarks)];
    for (size_t i = 0; i < marks.size(); ++i) {
        marks[i].Text = Text(ArticleMarkRows[i][0]);
        marks[i].Explanation = Text(ArticleMarkRows[i][1]);
    }
    auto& authors = vocabulary.Tables[size_t(TVocabularyTable::Authors)];
    SetSigns(authors, AuthorAbbreviations);
    SetExplanations(authors, AuthorExplanations);
    auto& russianSigns = vocabulary.Tables[size_t(TVocabularyTable::RussianSigns)];
    SetSigns(russianSigns, RussianSignAbbreviations);
    SetExplanations(russianSigns, RussianSignExplanations);
    auto& latinSigns = vocabulary.Tables[size_t(TVocabularyTable::LatinSigns)];
    SetSigns(latinSigns, LatinSignAbbreviations);
    SetExplanations(latinSigns, LatinSignExplanations);
    SetSigns(vocabulary.Tables[size_t(TVocabularyTable::IndefinitePhrases)], IndefinitePhraseRows);
    SetTexts(vocabulary.Tables[size_t(TVocabularyTable::RussianWords)], RussianWordRows, true);
    SetTexts(vocabulary.Tables[size_t(TVocabularyTable::GreekEndings)], GreekEndingRows, false);
    SetTexts(vocabulary.Tables[size_t(TVocabularyTable::VowelQuantities)], VowelQuantityRows,
             false);
    return vocabulary;
}

std::string BaseName(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

[[noreturn]] void FailRow(const TVocabularyTableInfo& info, int row, const char* what) {
    throw EOrvelError(std::string("таблица ") + info.Name + ", строка " + std::to_string(row) +
                      " " + what);
}

// A file row contradicts a compiled-in one when the compiled-in text is known and differs.
bool Contradicts(const std::optional<std::string>& builtIn, const std::string& fromFile) {
    return builtIn && *builtIn != fromFile;
}

TVocabulary ReadVocabulary(const std::string& FileName) {
    const TVocabulary& builtIn = TVocabulary::BuiltIn();
    TVocabulary vocabulary;
    TFileLoadStream stream(FileName, 32768, VocabularyVersion, VocabularySignature);
    stream.Header();
    TValueReader& reader = *stream.Reader;
    for (int t = 0; t < VocabularyTableCount; ++t) {
        const TVocabularyTableInfo& info = TableInfos[t];
        if (reader.ReadString() != info.Name || reader.ReadInteger() != info.Rows)
            throw EOrvelError("Нарушена структура файла");
        auto& rows = vocabulary.Tables[size_t(t)];
        rows.resize(size_t(info.Rows));
        reader.ReadListBegin();
        for (int r = 0; r < info.Rows; ++r) {
            const TVocabularyRow& known = builtIn.Tables[size_t(t)][size_t(r)];
            TVocabularyRow& row = rows[size_t(r)];
            row.Text = reader.ReadString();
            if (Contradicts(known.Text, *row.Text))
                FailRow(info, r, "расходится со встроенной");
            if (info.Signs) {
                row.Explanation = reader.ReadString();
                if (Contradicts(known.Explanation, *row.Explanation))
                    FailRow(info, r, "расходится со встроенной (пояснение)");
            }
        }
        reader.ReadListEnd();
    }
    // Bytes after the last table are no part of this format: the file is not whole.
    if (!reader.AtEnd())
        throw EOrvelError("Нарушена структура файла");
    return vocabulary;
}

} // namespace

const TVocabularyTableInfo& TableInfo(TVocabularyTable Table) {
    return TableInfos[int(Table)];
}

const TVocabulary& TVocabulary::BuiltIn() {
    static const TVocabulary builtIn = MakeBuiltIn();
    return builtIn;
}

const TVocabularyRow* TVocabulary::Row(TVocabularyTable Table, int Row) const {
    const auto& rows = Tables[size_t(Table)];
    return Row >= 0 && size_t(Row) < rows.size() ? &rows[size_t(Row)] : nullptr;
}

const std::string* TVocabulary::Text(TVocabularyTable Table, int Row) const {
    const TVocabularyRow* row = this->Row(Table, Row);
    return row && row->Text ? &*row->Text : nullptr;
}

bool TVocabulary::Complete() const {
    for (int t = 0; t < VocabularyTableCount; ++t)
        for (const auto& row : Tables[size_t(t)])
            if (!row.Text || (TableInfos[t].Signs && !row.Explanation))
                return false;
    return true;
}

std::string VocabularyFileName(const std::string& DicFileName) {
    size_t slash = DicFileName.find_last_of('/');
    size_t dot = DicFileName.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return DicFileName + ".voc";
    return DicFileName.substr(0, dot) + ".voc";
}

TVocabulary LoadVocabularyFile(const std::string& FileName) {
    try {
        return ReadVocabulary(FileName);
    } catch (const EOrvelError& error) {
        throw EOrvelError("Ошибка чтения файла словаря " + BaseName(FileName) + ": " +
                          error.what());
    }
}

void SaveVocabularyFile(const std::string& FileName, const TVocabulary& Vocabulary) {
    if (!Vocabulary.Complete())
        throw EOrvelError("Словарь " + BaseName(FileName) + " неполон: не все строки известны");
    TFileSaveStream stream(FileName, 32768, VocabularyVersion, VocabularySignature);
    stream.Header();
    TValueWriter& writer = *stream.Writer;
    for (int t = 0; t < VocabularyTableCount; ++t) {
        writer.WriteString(TableInfos[t].Name);
        writer.WriteInteger(TableInfos[t].Rows);
        writer.WriteListBegin();
        for (const auto& row : Vocabulary.Tables[size_t(t)]) {
            writer.WriteString(*row.Text);
            if (TableInfos[t].Signs)
                writer.WriteString(*row.Explanation);
        }
        writer.WriteListEnd();
    }
    stream.Commit();
}

} // namespace orvel
