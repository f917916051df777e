// The string table: every text the program shows, by its number.
#pragma once

#include <string>
#include <vector>

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
    LengthenHyphens = 3,
    NewMinusSign = 4,
    Input = 5,
    SearchFor = 6,
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
    PrinterPenWidth = 15,
    DisplayPenWidth = 16,
    DilationFactor = 17,
    ShiftPercent = 18,
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
    DishFirst = 70, // the Lunch dialog's dishes, 70 + k
    Success = 88,
    TexFileSaved = 89,
    EpsFileSaved = 91,
    SvgFileSaved = 92,
    Notebook = 93,
    EpsFilesFilter = 96,
    SvgFilesFilter = 97,
    // Printing, metafiles and bitmaps.
    BmpFilesFilter = 19,
    NumberOfFiles = 22,
    SimultaneousPrint = 23,
    EmfSaved = 40,
    BmpFileSaved = 90,
    EmfFilesFilter = 99,
    PrintJobFailed = 1600,
    TexFilesFilter = 98,
    StateNameFirst = 100, // "Alabama" .. "Wyoming": 100 + state
    Bins = 150,
    Items = 151,
    Sizes = 152,
    PowerHeadingFirst = 160, // the weighted-voting table's headings, 160 + column
    Name = 166,
    Done = 167,
    TotalReps = 169,
    Infinite = 168,
    DistrictOfColumbia = 180,
    AppHeadingFirst = 190, // the apportionment table's headings, 190 + column
    Quota = 192,
    MethodShortFirst = 260, // " Ham", "Ham+", ...: 260 + method
    MethodLongFirst = 270,  // "Hamilton", ...: 270 + method
    CorrectDivisor = 280,
    IncorrectDivisor = 281,
    ElectoralCollegePower = 282,
    HorFilesFilter = 320,
    GraFilesFilter = 321,
    BnzFilesFilter = 322,
    GrsFilesFilter = 325,
    VotFilesFilter = 323,
    BpaFilesFilter = 326,
    Heading = 329,
    Divisor = 332,
    Total = 333,
    Apportionment = 334,
    PriorityList = 335,
    Comparison = 336,
    ExamplesDone = 337,
    ColumnWidth = 340,
    NumberOfStates = 341,
    NumberOfBlocs = 342,
    PressQToQuit = 601,
    Edges = 802,
    Vertices = 803,
    IconSize = 804,
    Components = 810,
    WeightWord = 811,
    LabelWord = 815,
    Weights = 852,
    HamiltonianCircuit = 860,
    HamiltonianPath = 861,
    NearestStartAt = 864,
    TotalWeight = 865,
    InitialVertex = 866,
    SortedEdgesCircuit = 868,
    BestCircuitSoFar = 871,
    EulerianCircuit = 873,
    EulerianPath = 874,
    HamiltonianCircuits = 890,
    Incomplete = 891,
    OptimalTour = 892,
    AboveOptimum = 893,
    SpacebarToAdvance = 610,
    Directions = 886,
    // Trees, paths and colourings.
    Orientation = 863,
    KruskalTree = 867,
    PrimTree = 869,
    ColorsUsed = 872,
    GreatestWeight = 876,
    DijkstraRoot = 1100, // 870 is the election window's "total votes"
    NotProvenMinimal = 1101,
    ColorsSoFar = 1102,
    LowerBoundWord = 1103,
    // The scheduling window.
    Processor = 940,
    FinishingTime = 941,
    LowerBound = 942,
    Optimal = 943,
    TimeWord = 944,
    TaskTimes = 945,
    TotalVotes = 870,
    EscCancelsAutofeed = 611,
    // Graph notations and the graph6 viewer.
    G6FilesFilter = 324,
    Graph6Notation = 878,
    VertexExample = 879,
    FaceView = 880,
    Digraph6Notation = 881,
    Sparse6Notation = 885,
    // The graph generators.
    CircularArray = 807,
    BasePolygon = 812,
    Offset = 813,
    StarPolygon = 814,
    RandomPlanarGraph = 883,
    Separations = 1700,
    BoardSize = 1701,
    Circulant = 1702,
    StreetGrid = 1703,
    // Squared rectangles.
    Perfect = 378,
    Simple = 379,
    SquaredSquares = 847,
    SquaredRectangles = 848,
    Compound = 884,
    Hori = 170,
    Vert = 171,
};

// Ids given by more than one entry of the tables (a programming error; the
// first entry is the one shown).
std::vector<int> duplicateStringIds();
// The text of string id, or "" when the table has none.
const char* str(int id);
inline std::string S(int id) { return str(id); }
inline std::string S(Str id) { return str(static_cast<int>(id)); }
// The string offset places after a base of a numbered run.
inline std::string S(Str base, int offset) { return str(static_cast<int>(base) + offset); }
// The text of message n (string 400 + n).
inline std::string messageText(int n) { return str(400 + n); }

} // namespace quan
