// The string table: every text the program shows, by its number.
#pragma once

#include <string>

namespace quan {

struct StringEntry {
    int id;
    const char* text;
};

// The strings the program names (the others it reaches by number from a
// base: method names, column headings, dishes).
enum class Str : int {
    SaveChangesTo = 1,
    Careful = 2,
    Input = 5,
    Quandel = 7,
    SearchHelp1 = 8,
    SearchHelp2 = 9,
    SearchHelp3 = 10,
    SearchHelp4 = 11,
    Searching = 12,
    OverwriteExisting = 13,
    HelpTxt = 25,
    SizeOfDrawing = 26,
    Width = 27,
    Height = 28,
    Noname = 29,
    AboutQuandel = 32,
    SvgSettings = 41,
    Ok = 42,
    Cancel = 43,
    Parameter = 60,
    NumberOfPages = 61,
    Hmm = 62,
    TextWindowFont = 63,
    TextFilesFilter = 64,
    Success = 88,
    TexFileSaved = 89,
    Notebook = 93,
    TexFilesFilter = 98,
    Bins = 150,
    Items = 151,
    Sizes = 152,
    Name = 166,
    Done = 167,
    Infinite = 168,
    DistrictOfColumbia = 180,
    Quota = 192,
    ElectoralCollegePower = 282,
    HorFilesFilter = 320,
    BnzFilesFilter = 322,
    BpaFilesFilter = 326,
    Heading = 329,
    Divisor = 332,
    Total = 333,
    Apportionment = 334,
    PriorityList = 335,
    Comparison = 336,
    ExamplesDone = 337,
    PressQToQuit = 601,
    EscCancelsAutofeed = 611,
};

// The text of string id, or "" when the table has none.
const char* str(int id);
inline std::string S(int id) { return str(id); }
inline std::string S(Str id) { return str(static_cast<int>(id)); }
// The text of message n (string 400 + n).
inline std::string messageText(int n) { return str(400 + n); }

} // namespace quan
