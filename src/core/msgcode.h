// The messages an operation can end with. An operation returns 0 for
// success or the code of its message; the window shows string 400 + code
// (the general texts 401 "cannot understand" to 430 "not yet available",
// the topic texts 501 to 517 for codes 101 to 117) in a box titled
// "hmm ...". Codes travel as plain ints between the rooms; this is where
// they get their names.
#pragma once

namespace quan {

enum class Msg : int {
    CannotUnderstand = 1,
    CouldNotFind = 2,
    LowMemory = 3,
    NoMoreRoom = 4,
    NothingSelected = 5,
    InconsistentData = 6,
    NotPossibleHere = 7,
    AlreadyThere = 8,
    NothingToDo = 9,
    ValueTooSmall = 10,
    CannotOpenFile = 11,
    CannotSaveFile = 12,
    KitchenClosed = 13,
    PositiveValue = 14,
    TooManyWindows = 15,
    IntegerValue = 16,
    OutOfBounds = 17,
    CannotEditThis = 18,
    NoPrinter = 19,
    TooLarge = 20,
    TooSmall = 21,
    NotFound = 22,
    Empty = 23,
    MissingData = 24,
    NeedAtLeastOne = 25,
    NoFreeSlot = 27,
    Stopped = 28,
    WrongFormat = 29,
    NotYetAvailable = 30,
    VerticesMiscounted = 101,
    TooManyBlocs = 102,
    CheckTheQuota = 103,
    GraphNoMoreRoom = 104,
    NotEnoughData = 105,
    TooManyPoints = 106,
    IncompleteGraph = 108,
    GraphNotConnected = 109,
    IncompatibleValences = 110,
    SourceDetected = 112,
    SinkDetected = 113,
    LoopDiscarded = 115,
    NoCircuitExists = 116,
    NoPathExists = 117,
};

// The code an operation returns for a message.
constexpr int codeOf(Msg m) { return static_cast<int>(m); }

} // namespace quan
